// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesignFont.h"

#include <QFontDatabase>
#include <array>

#include "FontNames.h"

namespace bellmora {

namespace {

struct StandIn {
    std::u16string_view face;
    QLatin1StringView here;  // the nearest face on this system
};

constexpr std::array<StandIn, 3> kStandIns{{
    {kPGothicFace, QLatin1StringView("IPAPGothic")},
    {kGothicFace, QLatin1StringView("IPAGothic")},
    {kTimesFace, QLatin1StringView("Liberation Serif")},
}};

QString ToQt(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The Windows face where it is installed, else its stand-in where that is, else the
// Windows face again, for Qt's own search to find what it can.
QString FamilyHere(const StandIn& standIn) {
    const QString windows = ToQt(standIn.face);
    if (QFontDatabase::hasFamily(windows)) return windows;
    if (QFontDatabase::hasFamily(standIn.here)) return standIn.here;
    return windows;
}

}  // namespace

void SubstituteDesignFaces() {
    for (const StandIn& standIn : kStandIns)
        QFont::insertSubstitution(ToQt(standIn.face), standIn.here);
}

QFont DesignFont(std::u16string_view face, qreal points) {
    // Found once a face: each search walks the font database.
    static std::array<QString, kStandIns.size()> here;
    QString family = ToQt(face);
    for (std::size_t i = 0; i < kStandIns.size(); ++i) {
        if (kStandIns[i].face != face) continue;
        if (here[i].isEmpty()) here[i] = FamilyHere(kStandIns[i]);
        family = here[i];
    }
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

}  // namespace bellmora
