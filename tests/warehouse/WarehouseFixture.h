#pragma once

#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/TestUtil.h"
#include "ui/AppContext.h"
#include "warehouse/TfrmMagazzino.h"

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace dp::test {

// The product record's field widths, written out here rather than taken from the code under
// test, so that a wrong offset shows.
inline constexpr int kProductWidths[24] = {25, 12, 50, 4,   3,  30, 50,  250, 50,  50,  50,  30,
                                           50, 50, 10, 250, 12, 2,  250, 250, 250, 250, 250, 250};
inline constexpr int kMovementWidths[9] = {10, 8, 30, 50, 50, 30, 15, 10, 250};

// Byte offsets used by the tests.
namespace off {
inline constexpr int Codice = 0, Costo = 26, Nome = 39, Giacenza = 90, Avviso = 95, UM = 99,
                     Tipologia = 130, DataSca = 718, Prezzo = 980, Pagato = 993, File01 = 996,
                     Desc03 = 2251;
inline constexpr int mData = 0, mOra = 11, mCodice = 20, mCategoria = 51, mNome = 102,
                     mAspetto = 153, mImporto = 184, mAggiunta = 200, mNote = 211;
} // namespace off

// A product record built byte by byte; `values` maps field index to its Windows-1252 text.
inline QByteArray productBytes(const QMap<int, QByteArray>& values) {
    QByteArray r;
    for (int i = 0; i < 24; ++i)
        r += field(kProductWidths[i], values.value(i));
    return r;
}

// The bytes of one field (length byte included) of a record.
inline QByteArray bytesAt(const QByteArray& record, int offset, int width) {
    return record.mid(offset, width + 1);
}

// One product sheet over a fresh program directory, registered as the start-up instance.
struct SheetFixture {
    QTemporaryDir dir;
    FakePlatform platform{dir.path()};
    AppContext ctx{platform};
    std::unique_ptr<TfrmMagazzino> screen = std::make_unique<TfrmMagazzino>(ctx);

    SheetFixture() { ctx.registerScreen(screen.get()); }

    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    QLineEdit* f(const char* name) const {
        return screen->findChild<QLineEdit*>(QLatin1String(name));
    }
    void click(const char* button) const {
        screen->findChild<QToolButton*>(QLatin1String(button))->click();
    }
    bool showActive() const {
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return QTest::qWaitForWindowActive(screen.get());
    }
    // The six fields a save needs.
    void fillRequired(const QString& code = QStringLiteral("A-100")) {
        f("txtCodice")->setText(code);
        f("txtCosto")->setText(QStringLiteral("12,50"));
        f("txtNome")->setText(QStringLiteral("Vite a legno"));
        f("txtUM")->setText(QStringLiteral("Scatola"));
        f("txtTipologia")->setText(QStringLiteral("Ferramenta"));
        f("txtPrezzo")->setText(QStringLiteral("20,00"));
    }
    QByteArray archive() const { return readFile(path(QStringLiteral("Magazzino.pro"))); }
    QByteArray record(int position) const { return archive().mid((position - 1) * 2502, 2502); }
};

} // namespace dp::test
