#include "app/PasswordStore.h"

#include "app/IniFile.h"
#include "storage/TextValues.h"

namespace dp::app {

namespace {

constexpr quint16 kStartKey = 8362;
constexpr quint16 kMultiplier = 40713;
constexpr quint16 kIncrement = 27406;

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

quint16 nextKey(quint16 key, quint8 scrambled) {
    return quint16((quint32(scrambled) + key) * kMultiplier + kIncrement);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

PasswordStore::PasswordStore(const QString& programDir) : m_path(programDir + fileName()) {}

QString PasswordStore::scramble(QStringView text) {
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = kStartKey;
    for (QChar ch : text) {
        const quint8 s = quint8(ch.unicode() & 0xFF) ^ quint8(key >> 8);
        out += QLatin1Char(digits[s >> 4]);
        out += QLatin1Char(digits[s & 0xF]);
        key = nextKey(key, s);
    }
    return out;
}

std::optional<QString> PasswordStore::unscramble(QStringView hex) {
    const qsizetype n = hex.size() / 2;
    QString out;
    out.reserve(n);
    quint16 key = kStartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexDigit(hex[2 * i]);
        const int lo = hexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const quint8 s = quint8(hi * 16 + lo);
        out += QChar(char16_t(s ^ quint8(key >> 8)));
        key = nextKey(key, s);
    }
    return out;
}

std::optional<QString> PasswordStore::stored() const {
    const auto value = IniFile::read(m_path, kSection, kKey);
    if (!value)
        return std::nullopt;
    const auto plain = unscramble(*value);
    if (!plain)
        return std::nullopt;
    return text::trim(*plain);
}

PasswordStore::Check PasswordStore::verify(const QString& typed) const {
    const auto current = stored();
    if (!current)
        return Check::Error;
    return *current == normalised(typed) ? Check::Match : Check::NoMatch;
}

QString PasswordStore::normalised(const QString& password) {
    return text::trim(text::upperAscii(password));
}

bool PasswordStore::usable(QStringView password) {
    if (password.size() > kMaxLength)
        return false;
    for (QChar c : password)
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return false;
    return true;
}

PasswordStore::StoreResult PasswordStore::store(const QString& newPassword) const {
    const QString plain = normalised(newPassword);
    // Scrambling keeps one byte per character and the key allows no more than 255 of them:
    // anything else would be stored in a form no typed password can match again.
    if (!usable(plain))
        return StoreResult::Unusable;
    WriteFailure why = WriteFailure::None;
    if (IniFile::write(m_path, kSection, kKey, scramble(plain), &why))
        return StoreResult::Stored;
    return why == WriteFailure::DiskFull ? StoreResult::DiskFull : StoreResult::Failed;
}

} // namespace dp::app
