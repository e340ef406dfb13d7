// The password file as any editor or a damaged disk could leave it: reading a value never
// fails, writing a value and reading it back gives that value, and the scrambled password
// decodes to what was scrambled.
#include "FuzzInput.h"

#include "app/IniFile.h"
#include "app/PasswordStore.h"

using namespace dp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content = fuzz::bytes(data, size);
    const QString section = QStringLiteral("Accesso");
    const QString key = QStringLiteral("Valore");
    const QString value = app::IniFile::value(content, section, key);

    const auto plain = app::PasswordStore::unscramble(value);
    if (plain)
        fuzz::require(app::PasswordStore::scramble(*plain).compare(value.left(plain->size() * 2),
                                                                   Qt::CaseInsensitive) == 0);

    const QString scrambled =
        app::PasswordStore::scramble(fuzz::text(data, qMin<size_t>(size, 64)));
    const QByteArray written = app::IniFile::withValue(content, section, key, scrambled);
    fuzz::require(app::IniFile::value(written, section, key) == scrambled);
    // Written once, the file stays as it is when written again.
    fuzz::require(app::IniFile::withValue(written, section, key, scrambled) == written);
    return 0;
}
