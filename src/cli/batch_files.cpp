#include "cli/batch_files.h"

#include "cli/cli_run.h"
#include "cli/cli_texts.h"
#include "export/stale_sheets.h"
#include "platform/errors.h"
#include "platform/native_path.h"

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace rw::cli {
namespace {

bool contains(const std::vector<FileIdentity>& identities, const FileIdentity& identity) {
    return std::find(identities.begin(), identities.end(), identity) != identities.end();
}

}  // namespace

int checkFilesApart(const OutputTargets& targets, const BatchFiles& batch, CliStream& err) {
    if (const QString clash = sameTargetTwice(targets); !clash.isEmpty()) {
        err << cli_texts::sameFileTwice(clash) << '\n';
        return kUsage;
    }
    if (const auto over = outputOverInput(targets, batch.inputs)) {
        err << cli_texts::outputIsInput(over->output, over->input) << '\n';
        return kUsage;
    }
    for (const QString& file : plannedFiles(targets)) {
        if (contains(batch.written, fileIdentity(file))) {
            err << cli_texts::earlierFileWrote(file) << '\n';
            return kInputRefused;
        }
    }
    return kWritten;
}

void tellWrittenBeforeFailure(const QStringList& written, CliStream& err) {
    if (written.isEmpty())
        return;
    err << cli_texts::writtenBeforeFailure() << '\n';
    for (const QString& path : written) err << path << '\n';
}

int removeStaleSheets(const OutputTargets& done, const OutputTargets& all, const BatchFiles& batch,
                      CliStream& err) {
    std::vector<FileIdentity> keep = batch.written;
    for (const QString& file : plannedFiles(all) + batch.inputs) keep.push_back(fileIdentity(file));
    int status = kWritten;
    for (const OutputTarget& target : done) {
        if (!outputFormat(target.format).stockSheets)
            continue;
        for (const QString& sheet : staleSheets(target.path, int(target.files.size()))) {
            if (contains(keep, fileIdentity(sheet)))
                continue;
            if (::unlink(encodeNativePath(sheet).constData()) != 0) {
                err << fileErrorText(fileErrorCodeFromErrno(errno)) << '\n' << sheet << '\n';
                status = kFileError;
                continue;
            }
            err << cli_texts::staleSheetRemoved(sheet) << '\n';
        }
    }
    return status;
}

}  // namespace rw::cli
