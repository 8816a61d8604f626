#include "files/VersionStore.h"

#include "files/CanonicalText.h"
#include "files/FilePaths.h"
#include "platform/Logging.h"
#include "platform/OpenableFile.h"
#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace {

// Seconds between 1970-01-01 and 2001-01-01 (UTC): the manifest's dates count from 2001.
constexpr double kReferenceDateOffset = 978307200.0;
const QString kManifest = QStringLiteral("manifest.json");
const QString kSuffix = QStringLiteral(".snapshot");

QString& rootOverride()
{
    static QString r;
    return r;
}

QString saveFailed(const QString& filePath, const QString& why)
{
    return QCoreApplication::translate("VersionStore", "Could not save a version of “%1”: %2")
        .arg(QFileInfo(filePath).fileName(), why);
}

// Only ever called with an id that passed isValidId.
QString snapshotPath(const QString& folder, const QString& id)
{
    return folder + QLatin1Char('/') + id + kSuffix;
}

// Creates the document's folder of versions; false with the reason when it cannot.
bool makeFolder(const QString& folder, QString* why)
{
    if (QDir().mkpath(folder)) return true;
    *why = QCoreApplication::translate("VersionStore", "the folder “%1” cannot be written.").arg(folder);
    return false;
}

std::optional<QString> decodeUtf8(const QByteArray& data)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(data);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<QString> readText(const QString& folder, const QString& id)
{
    if (!VersionStore::isValidId(id)) return std::nullopt;
    const std::optional<QByteArray> data = OpenableFile::read(snapshotPath(folder, id));
    if (!data) return std::nullopt;
    return decodeUtf8(*data);
}

void sortNewestFirst(QList<Snapshot>& list)
{
    std::stable_sort(list.begin(), list.end(), [](const Snapshot& a, const Snapshot& b) { return a.date > b.date; });
}

// A count as the manifest may hold it: a whole number that a double holds exactly, so that
// it converts to qint64 without overflow.
bool isCount(const QJsonValue& v)
{
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    return d >= 0 && d <= 9007199254740992.0 && d == std::floor(d);
}

// A date whose milliseconds fit a qint64 with room to spare (a few hundred thousand years).
bool isDate(const QJsonValue& v)
{
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    return std::isfinite(d) && std::abs(d) <= 1e13;
}

// The manifest as stored, or none when it is missing or any entry is malformed.
std::optional<QList<Snapshot>> readManifestFile(const QString& folder)
{
    const std::optional<QByteArray> data = OpenableFile::read(folder + QLatin1Char('/') + kManifest);
    if (!data) return std::nullopt;
    std::optional<QList<Snapshot>> list = VersionStore::decodeManifest(*data);
    if (!list)
        qCWarning(lcFiles) << "the version list in" << folder << "cannot be read; it is made again from the versions";
    return list;
}

// The history as the snapshot files on disk tell it: used when the manifest is gone or
// unreadable, so one bad file does not orphan every version.
QList<Snapshot> rebuildFromFiles(const QString& folder)
{
    QList<Snapshot> list;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QString& name : names) {
        const QString id = name.left(name.size() - kSuffix.size());
        if (!VersionStore::isValidId(id)) continue;
        const std::optional<QByteArray> read = OpenableFile::read(snapshotPath(folder, id));
        if (!read) continue;
        const QByteArray& data = *read;
        const QString text = decodeUtf8(data).value_or(QString::fromUtf8(data));
        list.append(Snapshot{id, double(id.toLongLong()) / 1000.0, qint64(data.size()), VersionStore::wordCount(text)});
    }
    sortNewestFirst(list);
    return list;
}

QList<Snapshot> readManifest(const QString& folder)
{
    if (folder.isEmpty()) return {};
    if (auto list = readManifestFile(folder)) return *list;
    return rebuildFromFiles(folder);
}

bool saveManifest(const QList<Snapshot>& list, const QString& folder, QString* why)
{
    return makeFolder(folder, why)
           && SafeWrite::replace(folder + QLatin1Char('/') + kManifest, VersionStore::encodeManifest(list), why);
}

void setError(QString* error, const QString& message)
{
    if (error) *error = message;
}

bool isSeparator(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c == QLatin1Char('\t')) return true;
    if (c == QLatin1Char('\n')) return !(i > 0 && text.at(i - 1) == QLatin1Char('\r'));
    if (c != QLatin1Char(' ')) return false;
    // A space followed by a combining mark or a joiner is one character with it, not a space.
    if (i + 1 >= text.size()) return true;
    const char32_t next = QChar::surrogateToUcs4(text.at(i + 1), i + 2 < text.size() ? text.at(i + 2) : QChar());
    const char32_t cp = QChar::isHighSurrogate(text.at(i + 1).unicode()) ? next : text.at(i + 1).unicode();
    switch (QChar::category(cp)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return false;
    default: return cp != 0x200D;
    }
}

} // namespace

QDateTime Snapshot::dateTime() const
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::floor(date * 1000.0)));
}

namespace VersionStore {

QString root()
{
    if (!rootOverride().isEmpty()) return rootOverride();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Versions");
}

void setRoot(const QString& folder)
{
    rootOverride() = folder;
}

QString key(const QString& filePath)
{
    if (filePath.isEmpty()) return {};
    quint64 h = 5381;
    for (const char b : FilePaths::standardized(filePath).toUtf8()) h = h * 33 + quint64(quint8(b));
    return QString::number(h, 16);
}

QString folder(const QString& filePath)
{
    const QString k = key(filePath);
    return k.isEmpty() ? QString() : root() + QLatin1Char('/') + k;
}

bool isValidId(const QString& id)
{
    if (id.isEmpty() || id.size() > 19) return false;
    return std::all_of(id.begin(), id.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

qint64 wordCount(const QString& text)
{
    qint64 words = 0;
    bool inWord = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isSeparator(text, i)) {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            ++words;
        }
    }
    return words;
}

std::optional<Snapshot> snapshot(const QString& text, const QString& filePath, const QDateTime& date, QString* error)
{
    return snapshot(text, filePath, double(date.toMSecsSinceEpoch()) / 1000.0, error);
}

std::optional<Snapshot> snapshot(const QString& text, const QString& filePath, double date, QString* error)
{
    return snapshotInto(folder(filePath), text, filePath, date, error);
}

std::optional<Snapshot> snapshotInto(const QString& dir, const QString& text, const QString& filePath, double date,
                                     QString* error)
{
    setError(error, {});
    if (dir.isEmpty()) return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty()) return std::nullopt;

    QList<Snapshot> list = readManifest(dir);
    if (!list.isEmpty()) {
        const auto latest = std::max_element(list.begin(), list.end(),
                                             [](const Snapshot& a, const Snapshot& b) { return a.date < b.date; });
        const auto previous = readText(dir, latest->id);
        if (previous && CanonicalText::equivalent(*previous, text)) return std::nullopt;
    }

    QString why;
    if (!makeFolder(dir, &why)) {
        setError(error, saveFailed(filePath, why));
        return std::nullopt;
    }
    // Every version has a name of its own, so no later write of its name comes to remove what a
    // write of it ended by a crash left: the store clears its folder of those itself.
    SafeWrite::removeLeftoversInOwnFolder(dir, [](const QString& name) {
        return name == kManifest || (name.endsWith(kSuffix) && isValidId(name.chopped(kSuffix.size())));
    });
    // Ids have millisecond resolution; a second snapshot in the same millisecond takes the
    // next free id rather than overwriting the first one's file.
    qint64 ms = std::max<qint64>(0, qint64(date * 1000.0));
    const auto taken = [&](qint64 candidate) {
        const QString id = QString::number(candidate);
        return QFileInfo::exists(snapshotPath(dir, id))
               || std::any_of(list.begin(), list.end(), [&](const Snapshot& s) { return s.id == id; });
    };
    while (taken(ms)) ++ms;
    const QString id = QString::number(ms);

    if (!SafeWrite::replace(snapshotPath(dir, id), utf8, &why)) {
        setError(error, saveFailed(filePath, why));
        return std::nullopt;
    }

    const Snapshot made{id, date, qint64(utf8.size()), wordCount(text)};
    list.append(made);
    sortNewestFirst(list);
    const QList<Snapshot> dropped = list.mid(kRetention);
    list = list.mid(0, kRetention);

    if (!saveManifest(list, dir, &why)) {
        // The old manifest stays in place; take the new file back so the two agree.
        QFile::remove(snapshotPath(dir, id));
        setError(error, saveFailed(filePath, why));
        return std::nullopt;
    }
    for (const Snapshot& old : dropped)
        if (isValidId(old.id)) QFile::remove(snapshotPath(dir, old.id));
    return made;
}

std::optional<QString> text(const Snapshot& snapshot, const QString& filePath)
{
    return textIn(folder(filePath), snapshot);
}

std::optional<QString> textIn(const QString& dir, const Snapshot& snapshot)
{
    if (dir.isEmpty()) return std::nullopt;
    return readText(dir, snapshot.id);
}

bool remove(const Snapshot& snapshot, const QString& filePath, QString* error)
{
    return removeIn(folder(filePath), snapshot, error);
}

bool removeIn(const QString& dir, const Snapshot& snapshot, QString* error)
{
    setError(error, {});
    if (dir.isEmpty() || !isValidId(snapshot.id)) return false;
    QList<Snapshot> list = readManifest(dir);
    list.removeIf([&](const Snapshot& s) { return s.id == snapshot.id; });
    QString why;
    if (!saveManifest(list, dir, &why)) {
        setError(error, QCoreApplication::translate("VersionStore", "Could not delete the version: %1").arg(why));
        return false;
    }
    QFile::remove(snapshotPath(dir, snapshot.id));
    return true;
}

QList<Snapshot> list(const QString& filePath)
{
    return listIn(folder(filePath));
}

QList<Snapshot> listIn(const QString& dir)
{
    QList<Snapshot> result = readManifest(dir);
    sortNewestFirst(result);
    return result;
}

} // namespace VersionStore

std::optional<QList<Snapshot>> VersionStore::decodeManifest(const QByteArray& json)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
    if (err.error != QJsonParseError::NoError || !doc.isArray()) return std::nullopt;
    QList<Snapshot> list;
    for (const QJsonValue& v : doc.array()) {
        if (!v.isObject()) return std::nullopt;
        const QJsonObject o = v.toObject();
        const QJsonValue id = o.value(QLatin1String("id"));
        const QJsonValue date = o.value(QLatin1String("date"));
        const QJsonValue bytes = o.value(QLatin1String("bytes"));
        const QJsonValue words = o.value(QLatin1String("words"));
        if (!id.isString() || !isValidId(id.toString()) || !isDate(date) || !isCount(bytes) || !isCount(words))
            return std::nullopt;
        list.append(Snapshot{id.toString(), date.toDouble() + kReferenceDateOffset, qint64(bytes.toDouble()),
                             qint64(words.toDouble())});
    }
    return list;
}

QByteArray VersionStore::encodeManifest(const QList<Snapshot>& list)
{
    QJsonArray array;
    for (const Snapshot& s : list) {
        QJsonObject o;
        o.insert(QLatin1String("id"), s.id);
        o.insert(QLatin1String("date"), s.date - kReferenceDateOffset);
        o.insert(QLatin1String("bytes"), s.bytes);
        o.insert(QLatin1String("words"), s.words);
        array.append(o);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}
