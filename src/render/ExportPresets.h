#pragma once

#include <QList>
#include <QString>

#include <optional>

class Settings;

// A named pairing of an export format, an export theme and user CSS. Format and theme are
// stored as given and resolved only when shown or used, so a preset never fails to export.
struct ExportPreset {
    QString id;
    QString name;
    QString formatID;
    QString themeID;
    QString customCSS;

    friend bool operator==(const ExportPreset&, const ExportPreset&) = default;
};

enum class ExportTheme { standard, github, academic, dark, compact };

namespace ExportThemes {
// Every theme, in picker order.
QList<ExportTheme> all();
QString rawValue(ExportTheme theme);
QString title(ExportTheme theme);
// The CSS the theme adds after the page's base style sheet; empty for standard.
QString css(ExportTheme theme);
// Exact, case-sensitive.
std::optional<ExportTheme> fromRawValue(const QString& raw);
// For a stored theme id: its CSS (empty when it names no theme) and its title ("Standard").
QString cssFor(const QString& themeID);
QString titleFor(const QString& themeID);
} // namespace ExportThemes

// The presets, stored as one JSON array (bytes) under "exportPresets"; every save raises
// "exportPresetsRev" by one so that menus and open sheets know to read them again.
namespace ExportPresetStore {

QList<ExportPreset> seeds();
// Compact JSON with the members in the order id, name, formatID, themeID, customCSS.
QByteArray encode(const QList<ExportPreset>& presets);
// Nothing when the bytes are not an array of objects with five string members.
std::optional<QList<ExportPreset>> decode(const QByteArray& json);

// The stored list (an empty one included). With nothing readable stored, the seeds are
// saved and returned; an unreadable value is kept aside first.
QList<ExportPreset> all(Settings& settings);
QList<ExportPreset> all();
void save(const QList<ExportPreset>& presets, Settings& settings);
void save(const QList<ExportPreset>& presets);
qint64 revision(const Settings& settings);

} // namespace ExportPresetStore

// The presets sheet's list: its own copy of the presets, the selected id and the id sequence.
// Every operation addresses presets by id, never by a remembered index.
class ExportPresetList {
public:
    QList<ExportPreset> presets;
    QString selection; // empty: nothing selected
    int idSeq = 0;

    // Index of the first preset with the selected id.
    std::optional<int> selectedIndex() const;
    const ExportPreset* selected() const;
    // "preset-<count>-<seq>" with the sequence advanced first; ids already in the list are
    // skipped, so deleting and adding never gives two presets one id.
    QString newId();

    void add();
    // Both do nothing without a selected preset.
    void duplicate();
    void remove();
    // Applies `edit` to the preset with this id; false when the list has none.
    template <typename F> bool edit(const QString& id, F&& edit)
    {
        for (ExportPreset& p : presets)
            if (p.id == id) {
                edit(p);
                return true;
            }
        return false;
    }
    // Takes a list written by someone else, keeping the selection when its id is still there
    // (else the first preset).
    void reload(const QList<ExportPreset>& fresh);
};
