// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The real dialog, driven by typing into it while it is shown.
class TestQtFileDialog : public QObject
{
    Q_OBJECT
private slots:
    void typedNameComesBackAsTyped_data();
    void typedNameComesBackAsTyped();
    void cancelEmptiesFileName();
    void folderModeChoosesAFolder();

private:
    // Runs `act` on the dialog as soon as it is shown.
    static void whenShown(const std::function<void(QFileDialog *)> &act)
    {
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer->deleteLater();
            act(dialog);
        });
        timer->start();
    }
};

void TestQtFileDialog::typedNameComesBackAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("without extension") << QStringLiteral("notes");
    QTest::newRow("other extension") << QStringLiteral("notes.txt");
    QTest::newRow("with space") << QStringLiteral("my notes.mem");
}

void TestQtFileDialog::typedNameComesBackAsTyped()
{
    QFETCH(QString, typed);
    QTemporaryDir dir;
    QtFileDialog cdl(nullptr);
    whenShown([typed](QFileDialog *dialog) {
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("MEM Files (*.mem)")});
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(typed);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    const QString chosen = cdl.askSave(QStringLiteral("MEM Files (*.mem)|*.mem"), dir.path());
    // The dialog itself adds nothing; a name without any extension gets the
    // filter's from askSave().
    QCOMPARE(QFileInfo(chosen).fileName(),
             typed.contains(QLatin1Char('.')) ? typed : typed + QStringLiteral(".mem"));
    QCOMPARE(QDir::cleanPath(QFileInfo(chosen).absolutePath()), QDir::cleanPath(dir.path()));
}

void TestQtFileDialog::cancelEmptiesFileName()
{
    QtFileDialog cdl(nullptr);
    whenShown([](QFileDialog *dialog) { dialog->reject(); });
    QVERIFY(cdl.askOpen(QStringLiteral("KBA Files (*.kba)|*.kba")).isEmpty());
}

// The folder dialog shows folders only and gives back the folder typed.
void TestQtFileDialog::folderModeChoosesAFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("art work")));
    QtFileDialog cdl(nullptr);
    whenShown([](QFileDialog *dialog) {
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("art work"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    const QString chosen = cdl.askFolder(dir.path());
    QCOMPARE(QDir::cleanPath(QDir::fromNativeSeparators(chosen)),
             QDir::cleanPath(dir.filePath(QStringLiteral("art work"))));
}

QTEST_MAIN(TestQtFileDialog)
#include "tst_qtfiledialog.moc"
