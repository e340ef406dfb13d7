#pragma once

#include <QString>
#include <QtTest>

#include <utility>

namespace dp::test {

// The rows of a test of the main menu's areas: each area's picture and button with the
// screen they open (columns "entry" and "area").
inline void addMenuAreaRows() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("area");
    const std::pair<const char*, const char*> areas[] = {
        {"Clienti", "TfrmClienti"},
        {"Fornitori", "TfrmFornitori"},
        {"Magazzino", "TfrmMagazzino"},
        {"Inventario", "TfrmMenuRiepilogo"},
        {"Carico", "TfrmMenuRiepilogoCarico"},
        {"Scarico", "TfrmMenuRiepilogoScarico"},
    };
    for (const auto& [stem, area] : areas)
        for (const char* prefix : {"img", "btn"})
            QTest::addRow("%s%s", prefix, stem)
                << QString::fromLatin1(prefix) + QString::fromLatin1(stem)
                << QString::fromLatin1(area);
}

} // namespace dp::test
