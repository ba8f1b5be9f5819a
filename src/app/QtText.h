#pragma once
// The window's side of the code page: engine text is Windows-1251, Qt text is UTF-16.
#include "core/Codepage.h"

#include <QString>
#include <string>

inline QString qs(const std::string& cp1251)
{
    return QString::fromStdString(kalimor::Cp1251ToUtf8(cp1251));
}

inline std::string cp(const QString& text)
{
    return kalimor::Utf8ToCp1251(text.toStdString());
}
