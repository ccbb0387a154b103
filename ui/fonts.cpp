#include "fonts.h"

#include <QApplication>
#include <QStringList>
#include <fontconfig/fontconfig.h>

namespace orbalune {

namespace {

QString layoutFace() { return QString::fromStdU16String(std::u16string(layout::kLayoutFace)); }

}  // namespace

void InstallJapaneseFonts()
{
    // Japanese faces only: a Chinese gothic would draw the kanji in Chinese shapes.
    QFont::insertSubstitutions(layoutFace(), {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                              QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"),
                                              QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    QApplication::setFont(LayoutFont(layout::FontKind::WindowDefault));
}

std::jthread StartFontconfigWarmUp()
{
    return std::jthread([] { FcInit(); });
}

QFont LayoutFont(layout::FontKind kind)
{
    QFont font(layoutFace());
    font.setStyleHint(QFont::SansSerif);
    switch (kind) {
    case layout::FontKind::Bold105:
        font.setPointSizeF(10.5);
        font.setWeight(QFont::Bold);
        break;
    case layout::FontKind::Regular75:
        font.setPointSizeF(7.5);
        font.setWeight(QFont::Normal);
        break;
    case layout::FontKind::WindowDefault:
        // A 9-point line fits the 180-twip city label.
        font.setPointSizeF(9);
        font.setWeight(QFont::Normal);
        break;
    }
    return font;
}

}  // namespace orbalune
