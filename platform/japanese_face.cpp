// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/japanese_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdio>
#include <memory>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

namespace orbalune {

namespace {

// An installed face that covers Japanese, as the choice weighs it.
struct InstalledFace {
    std::string family;  // the name Qt's font database lists it under
    bool japanese;       // drawn in Japanese shapes, not a Chinese face that also covers Japanese
    bool gothic;         // without serifs
    bool proportional;   // its kana of different widths, as drawn without OpenType features
};

template <auto Free>
struct Freed {
    template <class T>
    void operator()(T* resource) const
    {
        Free(resource);
    }
};

const FcChar8* fcText(const char* text) { return reinterpret_cast<const FcChar8*>(text); }
std::string_view text(const FcChar8* fcText) { return reinterpret_cast<const char*>(fcText); }

// Fontconfig counts a face as covering Japanese by its characters alone, and a Chinese
// gothic (WenQuanYi) has them all. A Japanese face is named in Japanese (IPA, VL, Takao),
// is a cut named for Japan (Noto Sans CJK JP, which covers Chinese as well), or covers
// Japanese and no Chinese at all.
bool isJapanese(FcPattern* font, std::string_view family)
{
    FcChar8* nameLanguage = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILYLANG, i, &nameLanguage) == FcResultMatch; ++i) {
        if (text(nameLanguage) == "ja") {
            return true;
        }
    }
    FcLangSet* languages = nullptr;
    return family.ends_with(" JP") || (FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch &&
                                       FcLangSetHasLang(languages, fcText("zh")) == FcLangDifferentLang);
}

// Without serifs, as the face's OS/2 table classes it: PANOSE's serif style of a
// Latin text face, or the IBM family class.
bool isGothic(FT_Face face)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    constexpr int kLatinText = 2;
    constexpr int kNormalSans = 11;
    constexpr int kPerpendicularSans = 13;
    constexpr int kSansSerifClass = 8;
    return os2 != nullptr &&
           ((os2->panose[0] == kLatinText && os2->panose[1] >= kNormalSans && os2->panose[1] <= kPerpendicularSans) ||
            os2->sFamilyClass >> 8 == kSansSerifClass);
}

// Proportional where no one width is shared by half the katakana (VL Gothic's middle
// dot alone differs), by their advances in the font's own table: that is what the
// window draws, asking for no OpenType features. VL PGothic and Noto Sans CJK narrow
// their kana only through such a feature, and so draw them full-width here.
bool hasProportionalKana(FT_Face face)
{
    std::vector<FT_Fixed> advances;
    for (FT_ULong kana = U'ァ'; kana <= U'ー'; ++kana) {
        const FT_UInt glyph = FT_Get_Char_Index(face, kana);
        FT_Fixed advance = 0;
        if (glyph != 0 && FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) == 0) {
            advances.push_back(advance);
        }
    }
    std::ptrdiff_t mostShared = 0;
    for (const FT_Fixed advance : advances) {
        mostShared = std::max(mostShared, std::ranges::count(advances, advance));
    }
    return 2 * mostShared < std::ssize(advances);
}

std::optional<std::string> chooseStandIn(std::span<const InstalledFace> faces)
{
    const auto rank = [](const InstalledFace& face) {
        return std::tuple(!face.proportional, !face.gothic, std::string_view(face.family));
    };
    const InstalledFace* best = nullptr;
    for (const InstalledFace& face : faces) {
        if (face.japanese && (best == nullptr || rank(face) < rank(*best))) {
            best = &face;
        }
    }
    return best != nullptr ? std::optional(best->family) : std::nullopt;
}

}  // namespace

std::optional<std::string> InstalledStandIn()
{
    const std::unique_ptr<FcPattern, Freed<FcPatternDestroy>> japanese(FcNameParse(fcText(":lang=ja:scalable=true")));
    const std::unique_ptr<FcObjectSet, Freed<FcObjectSetDestroy>> read(
        FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_LANG, FC_FILE, FC_INDEX, nullptr));
    const std::unique_ptr<FcFontSet, Freed<FcFontSetDestroy>> listed(FcFontList(nullptr, japanese.get(), read.get()));
    FT_Library library = nullptr;
    if (!listed || FT_Init_FreeType(&library) != 0) {
        return std::nullopt;
    }
    const std::unique_ptr<FT_LibraryRec_, Freed<FT_Done_FreeType>> freetype(library);
    std::vector<InstalledFace> faces;
    for (FcPattern* font : std::span(listed->fonts, listed->nfont)) {
        FcChar8* family = nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch ||
            FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
            std::ranges::any_of(faces, [&](const InstalledFace& seen) { return seen.family == text(family); })) {
            continue;  // one face of a family tells its shapes and widths
        }
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        FT_Face face = nullptr;
        if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &face) != 0) {
            continue;  // what FreeType cannot open, Qt cannot draw
        }
        const std::unique_ptr<FT_FaceRec_, Freed<FT_Done_Face>> opened(face);
        faces.push_back(
            {std::string(text(family)), isJapanese(font, text(family)), isGothic(face), hasProportionalKana(face)});
    }
    return chooseStandIn(faces);
}

void AnnounceMissingGothic(const std::optional<std::string>& standIn)
{
    // The program otherwise keeps quiet about what it lacks, but here the user sees
    // the difference (names that run together, or boxes) and one package mends it.
    const std::string instead = standIn
                                    ? "the window is drawn in " + *standIn + " instead"
                                    : "nor is any other Japanese face, so the Japanese texts cannot be shown properly";
    std::fprintf(stderr,
                 "orbalune: the Japanese gothic IPA P Gothic is not installed (Debian package "
                 "fonts-ipafont-gothic); %s\n",
                 instead.c_str());
}

}  // namespace orbalune
