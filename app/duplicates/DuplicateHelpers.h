#pragma once

// What the duplicate page's source files share: the page is one class spread over several files.

#include "DuplicateItem.h"

#include <QColor>
#include <QIcon>
#include <QTreeWidgetItem>

#include <memory>

namespace duplicate_detail
{
inline constexpr int kColumnCheck = 0;
inline constexpr int kColumnName = 1;
inline constexpr int kColumnSize = 2;
inline constexpr int kColumnTime = 3;
inline constexpr int kColumnPath = 4;
inline constexpr int kColumnPlay = 5;
inline constexpr int kColumnRestore = 6;
inline constexpr int kColumnOpen = 7;
inline constexpr int kColumnSpare = 8; // nothing is shown in it
inline constexpr int kColumnBitrate = 9;
inline constexpr int kColumnCount = 10;

inline const QColor kBlue(0, 150, 255, 255);
inline const QColor kGrey(154, 166, 178, 255);
inline const QColor kBlack(0, 0, 0, 255);

inline const QIcon& SharedIcon(const std::unique_ptr<QIcon>& icon)
{
    static const QIcon empty;
    return icon ? *icon : empty;
}

inline CDuplicateItem* AsRow(QTreeWidgetItem* item)
{
    return static_cast<CDuplicateItem*>(item);
}
} // namespace duplicate_detail
