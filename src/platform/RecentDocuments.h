#pragma once

#include <QStringList>

class Settings;

// The recently opened documents, newest first, kept as a JSON array of absolute paths
// under one settings key. An unreadable value reads as an empty list.
namespace RecentDocuments {

inline constexpr int maxCount = 10;

QStringList paths(const Settings& settings);
// Moves `path` (made absolute and clean) to the front, dropping the oldest beyond maxCount.
void add(Settings& settings, const QString& path);
void remove(Settings& settings, const QString& path);
void clear(Settings& settings);

} // namespace RecentDocuments
