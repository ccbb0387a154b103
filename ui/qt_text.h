#pragma once
// The layout's texts are UTF-16 views; Qt wants QString.

#include <QString>
#include <string_view>

namespace orbalune {

inline QString toQString(std::u16string_view view)
{
    return QString(reinterpret_cast<const QChar*>(view.data()), static_cast<qsizetype>(view.size()));
}

}  // namespace orbalune
