#include "toolkit/TextEncoding.h"

#include <QStringEncoder>

namespace korvelin {

std::optional<QByteArray> EncodeCodePage1251(const QString &text)
{
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace korvelin
