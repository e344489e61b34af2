#include "platform/text_trim.h"

namespace rw {

QString trimControl(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32) ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32) --end;
    return text.mid(begin, end - begin);
}

QString shortenedToken(const QString& token, qsizetype limit) {
    if (token.size() <= limit)
        return token;
    qsizetype cut = limit;
    if (token.at(cut - 1).isHighSurrogate())
        --cut;
    return token.left(cut) + QChar(0x2026);
}

}  // namespace rw
