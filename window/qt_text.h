// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout's texts are UTF-16 views and its control names Latin-1; Qt wants QString.

#include <QString>
#include <string_view>

namespace orbalune {

inline QString toQString(std::u16string_view view)
{
    return QString(reinterpret_cast<const QChar*>(view.data()), static_cast<qsizetype>(view.size()));
}

inline QString toQString(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

}  // namespace orbalune
