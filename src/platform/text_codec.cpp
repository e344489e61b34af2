#include "platform/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace rw {

QByteArray encodeSystemText(const QString& text) {
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString decodeSystemText(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

}  // namespace rw
