#include "cli/file_identity.h"

#include "platform/native_path.h"

#include <sys/stat.h>
#include <unistd.h>

namespace rw::cli {
namespace {

// The kernel's own limit on links in a row.
constexpr int kMaxLinkHops = 40;

// A link that points at nothing yet is followed to the path it names.
QByteArray followDanglingLinks(QByteArray path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode) ||
            ::stat(path.constData(), &st) == 0)
            break;
        QByteArray target(4096, '\0');
        const ssize_t size = ::readlink(path.constData(), target.data(), target.size());
        if (size <= 0 || size >= target.size())
            break;
        target.truncate(size);
        const qsizetype slash = path.lastIndexOf('/');
        path = target.startsWith('/') || slash < 0 ? target : path.left(slash + 1) + target;
    }
    return path;
}

FileIdentity identityOf(const QByteArray& path) {
    const QByteArray resolved = followDanglingLinks(path);
    struct stat st {};
    if (::stat(resolved.constData(), &st) == 0)
        return {st.st_dev, st.st_ino, {}};
    const qsizetype slash = resolved.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : resolved.left(slash);
    const QByteArray name = resolved.mid(slash + 1);
    if (folder == resolved)  // even "." is gone: the spelling is all there is
        return {0, 0, resolved};
    FileIdentity identity = identityOf(folder);
    if (!name.isEmpty() && name != ".")
        identity.below += '/' + name;
    return identity;
}

}  // namespace

FileIdentity fileIdentity(const QString& path) {
    return identityOf(encodeNativePath(path));
}

}  // namespace rw::cli
