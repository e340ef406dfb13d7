#include "backup/Backup.h"

#include "storage/OsFile.h"
#include "storage/ProgramFiles.h"
#include "storage/RecordFile.h"
#include "storage/Rollback.h"
#include "storage/SafeFile.h"
#include "storage/StorageError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <zip.h>

#include <memory>

namespace dp::backup {

namespace {

constexpr qint64 kChunk = 1 << 20;

QString joined(const QString& dir, const QString& rel) {
    return QDir(dir).filePath(rel);
}

QByteArray sha256Of(QIODevice& in, bool* ok) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    *ok = hash.addData(&in);
    return hash.result().toHex();
}

QByteArray sha256OfFile(const QString& path, bool* ok) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *ok = false;
        return {};
    }
    return sha256Of(f, ok);
}

struct ZipCloser {
    void operator()(zip_t* z) const {
        if (z)
            zip_discard(z);
    }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

QString zipError(zip_t* z) {
    return QString::fromUtf8(zip_strerror(z));
}

// libzip takes file names in UTF-8 on every platform (on Windows it widens them itself); the
// local encoding there is the ANSI code page, in which an accented name is another file.
QByteArray zipFileName(const QString& path) {
    return path.toUtf8();
}

ZipPtr openZip(const QString& path, int flags, QString* detail) {
    int err = 0;
    zip_t* z = zip_open(zipFileName(path).constData(), flags, &err);
    if (!z) {
        zip_error_t e;
        zip_error_init_with_code(&e, err);
        *detail = path + QStringLiteral(": ") + QString::fromUtf8(zip_error_strerror(&e));
        zip_error_fini(&e);
    }
    return ZipPtr(z);
}

QString entryName(zip_t* z, zip_uint64_t i) {
    const char* n = zip_get_name(z, i, ZIP_FL_ENC_GUESS);
    return n ? QString::fromUtf8(n) : QString();
}

// Streams one entry into `sink`; false on a read error, a bad checksum of the entry or a
// refusal of the sink.
bool readEntry(zip_t* z, zip_uint64_t i, const std::function<bool(const char*, qint64)>& sink) {
    zip_file_t* f = zip_fopen_index(z, i, 0);
    if (!f)
        return false;
    QByteArray buf(kChunk, Qt::Uninitialized);
    bool ok = true;
    for (;;) {
        const zip_int64_t n = zip_fread(f, buf.data(), zip_uint64_t(buf.size()));
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (!sink(buf.constData(), n)) {
            ok = false;
            break;
        }
    }
    return zip_fclose(f) == 0 && ok;
}

struct ProgressState {
    const Progress* progress;
    int base;
    int span;
    int total;
    bool cancelled = false;
};

void onZipProgress(zip_t*, double fraction, void* ud) {
    auto* s = static_cast<ProgressState*>(ud);
    if (*s->progress && !(*s->progress)(s->base + int(fraction * s->span), s->total))
        s->cancelled = true;
}

int onZipCancel(zip_t*, void* ud) {
    return static_cast<ProgressState*>(ud)->cancelled ? 1 : 0;
}

// Copies a file while holding its shared lock, as every reader of the archives does, so
// that a save on another workstation is either wholly in the copy or not at all.
bool lockedCopy(const QString& source, const QString& target) {
    try {
        rollback::settle(source); // a rewrite cut short is put back, not copied half written
    } catch (const StorageError&) {
        return false;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    if (osfile::lock(in.handle(), osfile::LockMode::Shared, RecordFile::lockWait()) ==
        osfile::LockResult::Busy)
        return false;
    SafeFile out(target);
    if (!out.open())
        return false;
    QByteArray buf(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buf.data(), buf.size());
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (!out.write(QByteArrayView(buf.constData(), n)))
            return false;
    }
    return out.commit();
}

// Whether nothing but empty folders is left below `dir`.
bool holdsNoFile(const QString& dir) {
    QDirIterator it(dir, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (!it.fileInfo().isDir() || it.fileInfo().isSymLink())
            return false;
    }
    return true;
}

// The checksums a backup's manifest gives, by path; checks the whole backup first.
Outcome verifyInto(const QString& zipPath, const Progress& progress,
                   QHash<QString, QByteArray>* sums);

bool moveInto(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).absolutePath());
    return QFile::rename(from, to) || QDir().rename(from, to);
}

} // namespace

QStringList dataFiles(const QString& programDir, QStringList* leftOut) {
    QStringList files, skipped;
    const QDir dir(programDir);
    for (const programfiles::Entry& e : programfiles::kData) {
        const QString rel = programfiles::name(e.name);
        const QFileInfo info(dir.filePath(rel));
        if (!info.exists() && !info.isSymLink())
            continue;
        if (e.kind == programfiles::Kind::File) {
            (info.isFile() ? files : skipped) << rel;
            continue;
        }
        if (!info.isDir()) {
            skipped << rel;
            continue;
        }
        QStringList inFolder, notFiles;
        QDirIterator it(info.filePath(),
                        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo f(it.next());
            if (f.isFile())
                inFolder << dir.relativeFilePath(f.filePath());
            else if (!f.isDir())
                notFiles << dir.relativeFilePath(f.filePath());
        }
        inFolder.sort();
        notFiles.sort();
        files << inFolder;
        skipped << notFiles;
    }
    if (leftOut)
        *leftOut = skipped;
    return files;
}

QString backupFileName(const QDateTime& when) {
    return QStringLiteral("Depotta_Backup_") +
           when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral(".zip");
}

Outcome writeBackup(const QString& programDir, const QString& folder, const QDateTime& when,
                    const Progress& progress, const SnapshotCopy& copy) {
    Outcome out;
    const QStringList files = dataFiles(programDir, &out.leftOut);
    const int n = int(files.size());
    const int total = 3 * n + 1;
    auto report = [&](int done) { return !progress || progress(done, total); };

    // Each file is copied on its own first, so that it is held only for the copy; the
    // archive is then made from the copies.
    QTemporaryDir staging(joined(folder, QStringLiteral(".depotta-backup-XXXXXX")));
    if (!staging.isValid()) {
        out.detail = QStringLiteral("cannot create a staging folder in ") + folder;
        return out;
    }
    QByteArray manifest;
    for (int i = 0; i < n; ++i) {
        const QString target = joined(staging.path(), files[i]);
        QDir().mkpath(QFileInfo(target).absolutePath());
        const QString source = joined(programDir, files[i]);
        const bool copied = copy ? copy(source, target) : lockedCopy(source, target);
        bool hashed = false;
        const QByteArray sum = copied ? sha256OfFile(target, &hashed) : QByteArray();
        if (!copied || !hashed) {
            out.diskFull = diskspace::isFull(folder);
            out.detail = QStringLiteral("cannot copy ") + source;
            return out;
        }
        manifest += sum + "  " + files[i].toUtf8() + '\n';
        if (!report(i + 1)) {
            out.cancelled = true;
            return out;
        }
    }

    const QString finalPath = joined(folder, backupFileName(when));
    const QString partPath = finalPath + QStringLiteral(".part");
    QFile::remove(partPath);
    {
        ZipPtr z = openZip(partPath, ZIP_CREATE | ZIP_TRUNCATE, &out.detail);
        if (!z)
            return out;
        for (const QString& rel : files) {
            const QByteArray staged = zipFileName(joined(staging.path(), rel));
            zip_source_t* src = zip_source_file_create(staged.constData(), 0, -1, nullptr);
            if (!src ||
                zip_file_add(z.get(), rel.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) < 0) {
                if (src)
                    zip_source_free(src);
                out.detail = zipError(z.get());
                return out;
            }
        }
        zip_source_t* man = zip_source_buffer_create(manifest.constData(),
                                                     zip_uint64_t(manifest.size()), 0, nullptr);
        if (!man || zip_file_add(z.get(), kManifestName, man, ZIP_FL_ENC_UTF_8) < 0) {
            if (man)
                zip_source_free(man);
            out.detail = zipError(z.get());
            return out;
        }
        ProgressState state{&progress, n, n, total};
        zip_register_progress_callback_with_state(z.get(), 0.01, onZipProgress, nullptr, &state);
        zip_register_cancel_callback_with_state(z.get(), onZipCancel, nullptr, &state);
        if (zip_close(z.get()) < 0) {
            out.cancelled = state.cancelled;
            out.diskFull = !out.cancelled && diskspace::isFull(folder);
            out.detail = zipError(z.get());
            QFile::remove(partPath);
            return out; // the pointer still owns the archive and discards it
        }
        z.release();
    }

    // Only a backup read back whole is worth telling the user about.
    Outcome check = verifyBackup(partPath, [&](int done, int) { return report(2 * n + done); });
    if (!check.ok) {
        out.diskFull = !check.cancelled && diskspace::isFull(folder);
        QFile::remove(partPath);
        out.cancelled = check.cancelled;
        out.detail = QStringLiteral("the written backup does not read back: ") + check.detail;
        return out;
    }
    QFile::remove(finalPath);
    if (!QFile::rename(partPath, finalPath)) {
        QFile::remove(partPath);
        out.detail = QStringLiteral("cannot rename to ") + finalPath;
        return out;
    }
    report(total);
    out.ok = true;
    out.path = finalPath;
    return out;
}

Outcome verifyBackup(const QString& zipPath, const Progress& progress) {
    QHash<QString, QByteArray> sums;
    return verifyInto(zipPath, progress, &sums);
}

namespace {

Outcome verifyInto(const QString& zipPath, const Progress& progress,
                   QHash<QString, QByteArray>* sums) {
    Outcome out;
    ZipPtr z = openZip(zipPath, ZIP_RDONLY | ZIP_CHECKCONS, &out.detail);
    if (!z)
        return out;
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    const zip_int64_t man = zip_name_locate(z.get(), kManifestName, ZIP_FL_ENC_UTF_8);
    if (man < 0) {
        out.detail = QStringLiteral("no manifest");
        return out;
    }
    QByteArray manifest;
    if (!readEntry(z.get(), zip_uint64_t(man), [&](const char* d, qint64 len) {
            manifest.append(d, len);
            return manifest.size() < (64 << 20);
        })) {
        out.detail = QStringLiteral("the manifest cannot be read");
        return out;
    }
    QHash<QString, QByteArray> expected;
    for (const QByteArray& line : manifest.split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype sep = line.indexOf("  ");
        const QString rel = QString::fromUtf8(line.mid(sep + 2));
        if (sep != 64 || !programfiles::isDataPath(rel) || expected.contains(rel)) {
            out.detail = QStringLiteral("bad manifest line: ") + QString::fromUtf8(line);
            return out;
        }
        expected.insert(rel, line.left(64));
    }
    if (count - 1 != expected.size()) {
        out.detail = QStringLiteral("the manifest and the entries differ in number");
        return out;
    }
    int done = 0;
    QSet<QString> seen;
    for (zip_int64_t i = 0; i < count; ++i) {
        if (i == man)
            continue;
        const QString rel = entryName(z.get(), zip_uint64_t(i));
        if (!expected.contains(rel) || seen.contains(rel)) {
            out.detail = QStringLiteral("entry not in the manifest: ") + rel;
            return out;
        }
        seen.insert(rel);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!readEntry(z.get(), zip_uint64_t(i), [&](const char* d, qint64 len) {
                hash.addData(QByteArrayView(d, len));
                return true;
            })) {
            out.detail = QStringLiteral("entry cannot be read: ") + rel;
            return out;
        }
        if (hash.result().toHex() != expected.value(rel)) {
            out.detail = QStringLiteral("checksum differs: ") + rel;
            return out;
        }
        if (progress && !progress(++done, int(expected.size()))) {
            out.cancelled = true;
            return out;
        }
    }
    *sums = expected;
    out.ok = true;
    out.path = zipPath;
    return out;
}

} // namespace

Outcome restoreBackup(const QString& zipPath, const QString& programDir, const QDateTime& when,
                      const Progress& progress) {
    QHash<QString, QByteArray> sums;
    Outcome out = verifyInto(zipPath, {}, &sums);
    if (!out.ok)
        return out;
    out.ok = false;
    ZipPtr z = openZip(zipPath, ZIP_RDONLY, &out.detail);
    if (!z)
        return out;

    const QString aside =
        joined(programDir, QStringLiteral("Dati_precedenti_") +
                               when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
    const QStringList current = dataFiles(programDir);
    try {
        // Set aside as they were last saved, and no side file left to act on the new ones.
        for (const QString& rel : current)
            rollback::settle(joined(programDir, rel));
    } catch (const StorageError& e) {
        out.detail = QString::fromStdString(e.what());
        return out;
    }
    QStringList moved, written;
    auto undo = [&](const QString& detail) {
        out.diskFull = out.diskFull || diskspace::isFull(programDir);
        for (const QString& w : written)
            QFile::remove(joined(programDir, w));
        for (const QString& rel : moved) {
            QFile::remove(joined(programDir, rel));
            moveInto(joined(aside, rel), joined(programDir, rel));
        }
        // Kept when anything could not be moved back: it is the user's data.
        if (holdsNoFile(aside))
            QDir(aside).removeRecursively();
        out.detail = detail;
        return out;
    };
    for (const QString& rel : current) {
        if (!moveInto(joined(programDir, rel), joined(aside, rel)))
            return undo(QStringLiteral("cannot move aside ") + rel);
        moved << rel;
    }

    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    const int total = 2 * int(sums.size());
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString rel = entryName(z.get(), zip_uint64_t(i));
        if (rel == QLatin1String(kManifestName))
            continue;
        const QString target = joined(programDir, rel);
        QDir().mkpath(QFileInfo(target).absolutePath());
        SafeFile f(target);
        const bool ok =
            f.open() &&
            readEntry(z.get(), zip_uint64_t(i),
                      [&](const char* d, qint64 len) { return f.write(QByteArrayView(d, len)); }) &&
            f.commit();
        if (!ok) {
            out.diskFull = f.failure() == WriteFailure::DiskFull;
            return undo(QStringLiteral("cannot write ") + target);
        }
        written << rel;
        if (progress)
            progress(int(written.size()), total);
    }
    // Only what reads back as it was backed up is a restore.
    int checked = 0;
    for (const QString& rel : std::as_const(written)) {
        bool read = false;
        if (sha256OfFile(joined(programDir, rel), &read) != sums.value(rel) || !read)
            return undo(QStringLiteral("restored file does not read back: ") + rel);
        if (progress)
            progress(int(written.size()) + ++checked, total);
    }
    if (moved.isEmpty())
        QDir(aside).removeRecursively();
    out.ok = true;
    out.path = moved.isEmpty() ? QString() : aside;
    return out;
}

} // namespace dp::backup
