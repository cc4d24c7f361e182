// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureSearch.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Finding the pictures a scene misses, in a folder and its subfolders.
class TestPictureSearch : public QObject
{
    Q_OBJECT
private slots:
    void missingPictures();
    void search_data();
    void search();
    void copyFound();
};

namespace {

QString sceneText(const QString &background, const QString &mouth, const QString &alternative = QString())
{
    QString text = QStringLiteral("BG=%1;\r\nZM=%2;\r\nZMh=10;\r\nZMw=10;\r\nZMx=0;\r\nZMy=0;\r\n")
                       .arg(background, mouth);
    if (!alternative.isEmpty())
        text += QStringLiteral("NI=%1;\r\n").arg(alternative);
    return text;
}

} // namespace

void TestPictureSearch::missingPictures()
{
    QTemporaryDir dir;
    const QString images = dir.path() + QStringLiteral("/Images/");
    QDir().mkpath(images);
    TestFiles::writePicture(images + QStringLiteral("bg.jpg"), 4, 4, qRgb(1, 2, 3));
    // A name in another case is missing: the companion's folder is read as named.
    QCOMPARE(PictureSearch::missingPictures(
                 sceneText(QStringLiteral("bg.jpg"), QStringLiteral("Mouth.BMP"), QStringLiteral("nude.jpg")),
                 images),
             (QStringList{QStringLiteral("Mouth.BMP"), QStringLiteral("nude.jpg")}));
    QCOMPARE(
        PictureSearch::missingPictures(sceneText(QStringLiteral("BG.jpg"), QStringLiteral("BG.jpg")), images),
        QStringList{QStringLiteral("BG.jpg")});
    QCOMPARE(
        PictureSearch::missingPictures(sceneText(QStringLiteral("bg.jpg"), QStringLiteral("bg.jpg")), images),
        QStringList());
}

void TestPictureSearch::search_data()
{
    QTest::addColumn<QStringList>("files"); // under the searched folder
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("found"); // the file found for each name, or "-"
    QTest::newRow("in a subfolder, another case")
        << QStringList{QStringLiteral("art/faces/MOUTH.bmp")} << QStringList{QStringLiteral("mouth.bmp")}
        << QStringList{QStringLiteral("art/faces/MOUTH.bmp")};
    QTest::newRow("the nearest wins")
        << QStringList{QStringLiteral("a/b/m.bmp"), QStringLiteral("z/m.bmp")}
        << QStringList{QStringLiteral("m.bmp")} << QStringList{QStringLiteral("z/m.bmp")};
    QTest::newRow("then the first in order")
        << QStringList{QStringLiteral("b/m.bmp"), QStringLiteral("a/m.bmp")}
        << QStringList{QStringLiteral("m.bmp")} << QStringList{QStringLiteral("a/m.bmp")};
    QTest::newRow("a name with a folder is found by its file name")
        << QStringList{QStringLiteral("m.bmp")} << QStringList{QStringLiteral("faces\\m.bmp")}
        << QStringList{QStringLiteral("m.bmp")};
    QTest::newRow("found and not") << QStringList{QStringLiteral("bg.jpg")}
                                   << QStringList{QStringLiteral("bg.jpg"), QStringLiteral("gone.jpg")}
                                   << QStringList{QStringLiteral("bg.jpg"), QStringLiteral("-")};
}

void TestPictureSearch::search()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, names);
    QFETCH(QStringList, found);
    QTemporaryDir dir;
    for (const QString &file : files) {
        QDir(dir.path()).mkpath(QFileInfo(file).path());
        TestFiles::writeBytes(dir.filePath(file), "x");
    }
    const PictureSearch::Search result = PictureSearch::search(dir.path(), names);
    QStringList got;
    qsizetype next = 0;
    for (const QString &name : names) {
        if (next < qsizetype(result.found.size()) && result.found[size_t(next)].name == name)
            got << QDir(dir.path()).relativeFilePath(result.found[size_t(next++)].path);
        else if (result.missing.contains(name))
            got << QStringLiteral("-");
    }
    QCOMPARE(got, found);
}

// Copies land under the scene's own name, in its subfolder; nothing is
// replaced and nothing leaves the folder.
void TestPictureSearch::copyFound()
{
    QTemporaryDir dir;
    const QString images = dir.path() + QStringLiteral("/Images/");
    QDir().mkpath(images);
    TestFiles::writeBytes(dir.filePath(QStringLiteral("MOUTH.bmp")), "mouth");
    TestFiles::writeBytes(dir.filePath(QStringLiteral("bg.jpg")), "new");
    TestFiles::writeBytes(images + QStringLiteral("bg.jpg"), "old");
    PictureSearch::Search search;
    search.found = {{QStringLiteral("faces\\mouth.bmp"), dir.filePath(QStringLiteral("MOUTH.bmp"))},
                    {QStringLiteral("bg.jpg"), dir.filePath(QStringLiteral("bg.jpg"))},
                    {QStringLiteral("..\\evil.bmp"), dir.filePath(QStringLiteral("MOUTH.bmp"))}};
    const QStringList errors = PictureSearch::copyFound(search, images);
    QCOMPARE(TestFiles::readBytes(images + QStringLiteral("faces/mouth.bmp")), QByteArray("mouth"));
    QCOMPARE(TestFiles::readBytes(images + QStringLiteral("bg.jpg")), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("evil.bmp"))));
    QCOMPARE(errors.size(), 2);
    QVERIFY(errors.at(0).endsWith(QStringLiteral("is already there and is not replaced.")));
    QCOMPARE(errors.at(1),
             QStringLiteral("\"..\\evil.bmp\" names a place outside Images; it is not copied."));
}

QTEST_GUILESS_MAIN(TestPictureSearch)
#include "tst_picture_search.moc"
