// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

#include "platform/japanese_face.h"

namespace orbalune {

namespace {

// The family the layout's fonts are drawn in, chosen once the application exists.
QString& JapaneseFamily()
{
    static QString family = QString::fromStdU16String(std::u16string(layout::kLayoutFace));
    return family;
}

}  // namespace

void InstallJapaneseFonts()
{
    // The layout's Windows face where it is installed, else IPA P Gothic, drawn to the
    // same sizes. Installed means listed by the font database, which names each family
    // in English ("MS PGothic" for the layout's face): unlike hasFamily, looking there
    // applies no fontconfig substitution rules, two passes over the whole configuration
    // saved at start.
    const QStringList installed = QFontDatabase::families();
    bool found = false;
    for (const QString& face : {JapaneseFamily(), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")}) {
        if (installed.contains(face, Qt::CaseInsensitive)) {
            JapaneseFamily() = face;
            found = true;
            break;
        }
    }
    if (!found) {  // the platform weighs the faces there are, and says what is missing
        const std::optional<std::string> standIn = InstalledStandIn();
        AnnounceMissingGothic(standIn);
        if (standIn) {
            JapaneseFamily() = QString::fromStdString(*standIn);
        }
    }
    QApplication::setFont(LayoutFont(layout::FontKind::WindowDefault));
}

QFont LayoutFont(layout::FontKind kind)
{
    QFont font(JapaneseFamily());
    font.setStyleHint(QFont::SansSerif);
    // Digits, Latin and Japanese need no shaping in IPA P Gothic (no kerning table,
    // no GPOS, and only composition and vertical forms in GSUB): Qt looks the glyphs
    // up directly, which keeps every second's new text cheap.
    font.setStyleStrategy(QFont::PreferNoShaping);
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
