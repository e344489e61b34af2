#include "cli/output_targets.h"

#include "cli/file_identity.h"
#include "platform/native_path.h"

#include <QDir>

#include <algorithm>

namespace rw::cli {

OutputTargets outputTargets(const CliOptions& options, const QString& stem) {
    OutputTargets targets;
    const QDir dir(options.outDir);
    for (const OutputFormatRow& format : outputFormats()) {
        const auto given = options.outputPaths.find(format.id);
        if (given != options.outputPaths.end()) {
            targets.push_back({format.id, given->second, {}});
        } else if (!options.outDir.isEmpty() &&
                   (format.inPlainOutDir || (options.allWithOutDir && format.inAll))) {
            targets.push_back({format.id, dir.filePath(stem + format.extension), {}});
        }
    }
    return targets;
}

void planFiles(OutputTargets& targets, const OutputSource& source) {
    for (OutputTarget& target : targets)
        target.files = outputFormat(target.format).paths(target.path, source);
}

QStringList plannedFiles(const OutputTargets& targets) {
    QStringList files;
    for (const OutputTarget& target : targets) files += target.files;
    return files;
}

QString sameTargetTwice(const OutputTargets& targets) {
    const QStringList files = plannedFiles(targets);
    std::vector<FileIdentity> seen;
    for (const QString& file : files) {
        const FileIdentity identity = fileIdentity(file);
        if (std::find(seen.begin(), seen.end(), identity) != seen.end())
            return file;
        seen.push_back(identity);
    }
    return QString();
}

std::optional<OutputOverInput> outputOverInput(const OutputTargets& targets,
                                               const QStringList& inputs) {
    std::vector<std::pair<FileIdentity, QString>> regularInputs;
    for (const QString& input : inputs) {
        if (isRegularFile(input))
            regularInputs.emplace_back(fileIdentity(input), input);
    }
    for (const QString& file : plannedFiles(targets)) {
        const FileIdentity identity = fileIdentity(file);
        for (const auto& [inputIdentity, input] : regularInputs) {
            if (identity == inputIdentity)
                return OutputOverInput{file, input};
        }
    }
    return std::nullopt;
}

}  // namespace rw::cli
