#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvelin {

// The text in Windows code page 1251, the single-byte Cyrillic character set
// of the item names; nothing when a character has no place in it.
std::optional<QByteArray> EncodeCodePage1251(const QString &text);

} // namespace korvelin
