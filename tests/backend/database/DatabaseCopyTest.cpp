#include "DatabaseCopy.h"
#include "ITunesLibraryXml.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

using namespace tidewell::test;

// Each writer that puts a database copy in place (a backup, rows saved as a project, a project
// placed as the working database) reaches the file itself: through an absolute or a relative link
// it replaces the file the link names, which keeps its permissions, and the link stays a link. A
// file with two names or a link that leads nowhere is refused, every name left as it was.
TEST(DatabaseCopy, WritesReachTheFileItselfOrNothing)
{
    TempHome home;
    const QString project = home.file("source/project.zavrodata");
    ProjectRow row;
    row.info.Name = "New";
    ASSERT_EQ(WriteProjectRows(project, {row}, 1), 0);
    const std::pair<const char*, std::function<bool(const QString&)>> writers[] = {
        {"backup", [&](const QString& to) { return BackupDatabaseFile(project, to) == 0; }},
        {"rows", [&](const QString& to) { return WriteProjectRows(to, {row}, 1) == 0; }},
        {"place", [&](const QString& to) { return PlaceProjectAsDatabase(project, to).isEmpty(); }}};
    for (const auto& [name, write] : writers)
    {
        SCOPED_TRACE(name);
        const QString real = home.file(QString("real/%1.zavrodata").arg(name));
        const QString link = home.file(QString("links/%1").arg(name));
        ASSERT_TRUE(QFile::link(real, link) &&
                    QFile::link(QString("../real/%1.zavrodata").arg(name), link + "-rel"));
        for (const QString& through : {link, link + "-rel"})
        {
            ASSERT_TRUE(writeTextFile(real, "old") && ::chmod(QFile::encodeName(real), 0640) == 0);
            ASSERT_TRUE(write(through));
            EXPECT_TRUE(QFileInfo(through).isSymLink());
            EXPECT_EQ(CheckProjectDatabase(real).toStdString(), "");
            struct stat info
            {
            };
            EXPECT_TRUE(::stat(QFile::encodeName(real), &info) == 0 && (info.st_mode & 07777) == 0640);
        }
        const QString twin = home.file(QString("twins/%1").arg(name));
        ASSERT_TRUE(writeTextFile(real, "old") &&
                    ::link(QFile::encodeName(real), QFile::encodeName(twin)) == 0);
        ASSERT_TRUE(QFile::link(home.file("real/missing"), link + "-dangling"));
        for (const QString& refused : {real, twin, link, link + "-dangling"})
            EXPECT_FALSE(write(refused)) << refused.toStdString();
        EXPECT_TRUE(readTextFile(real) == "old");
        EXPECT_TRUE(readTextFile(twin) == "old");
        EXPECT_FALSE(QFileInfo::exists(home.file("real/missing")));
    }
    for (const char* folder : {"real", "links", "twins", "source"})
        EXPECT_TRUE(
            QDir(home.file(folder)).entryList({".tidewell-copy-*"}, QDir::Files | QDir::Hidden).isEmpty())
            << folder;
    // A second name of the source is the source: no copy of a file over itself.
    const QString second = home.file("twins/project");
    ASSERT_EQ(::link(QFile::encodeName(project), QFile::encodeName(second)), 0);
    EXPECT_EQ(BackupDatabaseFile(project, second), -6);
    EXPECT_EQ(PlaceProjectAsDatabase(project, second).toStdString(), "");
}
