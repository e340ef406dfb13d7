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
    const QString value = IniFile::value(content, section, key);

    const auto plain = PasswordStore::unscramble(value);
    if (plain)
        fuzz::require(PasswordStore::scramble(*plain).compare(value.left(plain->size() * 2),
                                                              Qt::CaseInsensitive) == 0);

    const QString scrambled = PasswordStore::scramble(fuzz::text(data, qMin<size_t>(size, 64)));
    const QByteArray written = IniFile::withValue(content, section, key, scrambled);
    fuzz::require(IniFile::value(written, section, key) == scrambled);
    // Written once, the file stays as it is when written again.
    fuzz::require(IniFile::withValue(written, section, key, scrambled) == written);
    return 0;
}
