// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckFindings.h"
#include "ChoicesFile.h"
#include "SpellChecker.h"
#include "SpellingCheck.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// The spelling check on the tests' own dictionaries: xx_TEST (ISO 8859-1)
// and yy_TEST (UTF-8), so nothing depends on what the machine has installed.
class TestSpellingCore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void misspelled_data();
    void misspelled();
    void suggestions();
    void personalWordList();
    void unstorableWordIsIgnoredInstead();
    void ignore();
    void choiceIsKept();
    void formerSettingsCarriedOver_data();
    void formerSettingsCarriedOver();
    void noDictionaryInstalled();
    void unreadableDictionary();
    void findings();

private:
    SpellingPlaces places(const QStringList &folders = {QStringLiteral(MINDLOOM_TEST_DATA "/latin"),
                                                        QStringLiteral(MINDLOOM_TEST_DATA "/utf8")}) const;
    // The user's choices in the temporary home's Choices.txt, read anew by
    // each checker, as at the next start.
    SpellChecker::Choices choices() const;
    QString choicesPath() const { return m_home->filePath(QStringLiteral("Choices.txt")); }
    QStringList flagged(SpellChecker &checker, const QString &text,
                        const SpellingExceptions &exceptions = {});

    std::unique_ptr<QTemporaryDir> m_home;
};

SpellingPlaces TestSpellingCore::places(const QStringList &folders) const
{
    SpellingPlaces places;
    places.dictionaryFolders = folders;
    places.personalWordList = m_home->filePath(QStringLiteral("Spelling/Personal words.txt"));
    places.formerSettingsFile = m_home->filePath(QStringLiteral("Spelling.conf"));
    return places;
}

SpellChecker::Choices TestSpellingCore::choices() const
{
    auto file = std::make_shared<ChoicesFile>(choicesPath());
    return {[file](const QString &name) { return file->value(name); },
            [file](const QString &name, const QString &value) {
                QCOMPARE(file->setValue(name, value), QString());
            }};
}

namespace {

// The words of a text, for the expected results.
QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

QStringList TestSpellingCore::flagged(SpellChecker &checker, const QString &text,
                                      const SpellingExceptions &exceptions)
{
    QStringList words;
    for (const SpellingWords::Span &span : checker.misspelled(text, exceptions))
        words << text.mid(span.start, span.length);
    return words;
}

void TestSpellingCore::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
}

void TestSpellingCore::misspelled_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("flagged");
    const auto none = QStringList();

    QTest::newRow("known words, capital at the start") << QStringLiteral("Hello world, the cat.") << none;
    QTest::newRow("unknown words") << QStringLiteral("the wrod of teh cat") << words("wrod teh");
    QTest::newRow("affixes") << QStringLiteral("cats and worlds") << none;
    QTest::newRow("digits") << QStringLiteral("mp3 2nd wrod7 1999 x_y") << none;
    QTest::newRow("all capitals") << QStringLiteral("NASA WROD OK I") << none;
    QTest::newRow("capitals and lower case") << QStringLiteral("WRod") << words("WRod");
    QTest::newRow("apostrophe inside") << QStringLiteral("don't, the cat's world") << none;
    QTest::newRow("typographic apostrophe") << QStringLiteral("don\u2019t the cat\u2019s") << none;
    QTest::newRow("apostrophe misspelled") << QStringLiteral("dont't wrod's") << words("dont't wrod's");
    QTest::newRow("quotes around a word") << QStringLiteral("'word' 'wrod'") << words("wrod");
    QTest::newRow("the personality's name") << QStringLiteral("Zumi likes zumi's name") << none;
    QTest::newRow("MatchWords words") << QStringLiteral("blorp and Quux") << none;
    QTest::newRow("question/answer markers")
        << QStringLiteral("\r\n#do you like me?&yes%\r\n#wrod&teh%") << words("wrod teh");
    QTest::newRow("markers next to names") << QStringLiteral("#Zumi&blorp%") << none;
    QTest::newRow("Windows-1252 letters") << QStringLiteral("caf\u00e9 na\u00efve caf\u00e9s") << none;
    QTest::newRow("Windows-1252 letters misspelled")
        << QStringLiteral("cafe na\u00eff")
        << QStringList{QStringLiteral("cafe"), QStringLiteral("na\u00eff")};
    QTest::newRow("letters the dictionary cannot hold")
        << QStringLiteral("\u0142\u00f3d\u017a word") << QStringList{QStringLiteral("\u0142\u00f3d\u017a")};
    QTest::newRow("hyphen and dashes") << QStringLiteral("cat-dog \u2014wrod") << words("wrod");
    QTest::newRow("empty") << QString() << none;
}

void TestSpellingCore::misspelled()
{
    QFETCH(QString, text);
    QFETCH(QStringList, flagged);
    SpellChecker checker(places());
    QVERIFY2(checker.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty(), "opens the test dictionary");
    QVERIFY(checker.isActive());
    const SpellingExceptions exceptions = SpellingExceptions::of({u"Zumi", u"blorp\r\nquux\r\n"});
    QCOMPARE(this->flagged(checker, text, exceptions), flagged);
}

void TestSpellingCore::suggestions()
{
    SpellChecker checker(places());
    QVERIFY(checker.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty());
    QCOMPARE(checker.suggestions(QStringLiteral("wrod")).value(0), QStringLiteral("word"));
    // Back from the dictionary's encoding.
    QVERIFY(checker.suggestions(QStringLiteral("cafe")).contains(QStringLiteral("caf\u00e9")));
    QVERIFY(checker.suggestions(QStringLiteral("qqqqqqqqqqqq")).size() <= SpellChecker::SuggestionCount);

    // The UTF-8 dictionary knows other words.
    QVERIFY(checker.chooseDictionary(QStringLiteral("yy_TEST")).isEmpty());
    QCOMPARE(flagged(checker, QStringLiteral("wrod caf\u00e9 \u0133ssel word")), words("word"));
}

void TestSpellingCore::personalWordList()
{
    {
        SpellChecker checker(places());
        QVERIFY(checker.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty());
        QSignalSpy changed(&checker, &SpellChecker::changed);
        QCOMPARE(checker.addToDictionary(QStringLiteral("blorp")), QString());
        QCOMPARE(checker.addToDictionary(QStringLiteral("Gr\u00fcn")), QString());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(flagged(checker, QStringLiteral("blorp Blorp Gr\u00fcn wrod")), words("wrod"));
    }
    // Sorted, in the code page, CR LF.
    QCOMPARE(TestFiles::readBytes(m_home->filePath(QStringLiteral("Spelling/Personal words.txt"))),
             QByteArray("Gr\xfcn\r\nblorp\r\n"));
    // Kept for the next start, and for every dictionary.
    SpellChecker again(places());
    QVERIFY(again.chooseDictionary(QStringLiteral("yy_TEST")).isEmpty());
    QCOMPARE(flagged(again, QStringLiteral("blorp wrod Gr\u00fcn")), QStringList());
}

void TestSpellingCore::unstorableWordIsIgnoredInstead()
{
    SpellChecker checker(places());
    QVERIFY(checker.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty());
    const QString word = QStringLiteral("\u0142\u00f3d\u017a");
    QVERIFY(!checker.canAddToDictionary(word));
    const QString error = checker.addToDictionary(word);
    QVERIFY2(error.contains(word), qPrintable(error));
    QCOMPARE(flagged(checker, word), QStringList());
    QVERIFY(!QFile::exists(m_home->filePath(QStringLiteral("Spelling/Personal words.txt"))));
}

void TestSpellingCore::ignore()
{
    {
        SpellChecker checker(places());
        QVERIFY(checker.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty());
        const quint64 before = checker.generation();
        checker.ignore(QStringLiteral("wrod"));
        QVERIFY(checker.generation() != before);
        QCOMPARE(flagged(checker, QStringLiteral("wrod teh")), words("teh"));
    }
    // Until the program ends only.
    SpellChecker again(places());
    QVERIFY(again.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty());
    QCOMPARE(flagged(again, QStringLiteral("wrod")), words("wrod"));
}

void TestSpellingCore::choiceIsKept()
{
    {
        SpellChecker checker(places(), choices());
        QCOMPARE(checker.dictionaries().size(), 2);
        QVERIFY(checker.chooseDictionary(QStringLiteral("yy_TEST")).isEmpty());
        checker.setEnabled(false);
        QVERIFY(!checker.isActive());
        QCOMPARE(flagged(checker, QStringLiteral("teh")), QStringList());
        QVERIFY(!checker.chooseDictionary(QStringLiteral("zz_NONE")).isEmpty());
        QCOMPARE(checker.dictionaryName(), QStringLiteral("yy_TEST"));
    }
    // With the program's other choices, in their file.
    QCOMPARE(TestFiles::readBytes(choicesPath()),
             QByteArray("Spelling.Check=0\r\nSpelling.Dictionary=yy_TEST\r\nSpelling.Folders=\r\n"));
    QVERIFY(!QFile::exists(places().formerSettingsFile));
    SpellChecker again(places(), choices());
    QCOMPARE(again.dictionaryName(), QStringLiteral("yy_TEST"));
    QVERIFY(!again.isActive());
    again.setEnabled(true);
    QCOMPARE(flagged(again, QStringLiteral("teh wrod")), words("teh"));

    // A dictionary added from another folder is searched from then on.
    QTemporaryDir other;
    QVERIFY(QFile::copy(QStringLiteral(MINDLOOM_TEST_DATA "/latin/xx_TEST.aff"),
                        other.filePath(QStringLiteral("zz_MORE.aff"))));
    QVERIFY(QFile::copy(QStringLiteral(MINDLOOM_TEST_DATA "/latin/xx_TEST.dic"),
                        other.filePath(QStringLiteral("zz_MORE.dic"))));
    QCOMPARE(again.addDictionary(other.filePath(QStringLiteral("zz_MORE.dic"))), QString());
    QCOMPARE(again.dictionaryName(), QStringLiteral("zz_MORE"));
    SpellChecker third(places(), choices());
    QCOMPARE(third.dictionaryName(), QStringLiteral("zz_MORE"));
    QCOMPARE(third.dictionaries().size(), 3);
}

void TestSpellingCore::formerSettingsCarriedOver_data()
{
    QTest::addColumn<QByteArray>("former");   // Spelling.conf; "" for none
    QTest::addColumn<bool>("formerIsFolder"); // so it cannot be read
    QTest::addColumn<QByteArray>("choices");  // Choices.txt before; "" for none
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QByteArray>("kept"); // Choices.txt after; "" for none

    // Only the latin folder is searched: the utf8 one comes from the choices.
    const QByteArray utf8 = MINDLOOM_TEST_DATA "/utf8";
    const QByteArray former = "[General]\ndictionary=yy_TEST\nenabled=false\nfolders=" + utf8 + "\n";
    const QByteArray carried =
        "Spelling.Check=0\r\nSpelling.Dictionary=yy_TEST\r\nSpelling.Folders=" + utf8 + "\r\n";
    QTest::newRow("carried over") << former << false << QByteArray() << QStringLiteral("yy_TEST") << false
                                  << carried;
    const QByteArray chosen =
        "Frameloft.ShowOtherParts=1\r\nSpelling.Check=1\r\nSpelling.Dictionary=xx_TEST\r\n";
    QTest::newRow("the choices come first")
        << former << false << chosen << QStringLiteral("xx_TEST") << true << chosen;
    QTest::newRow("beside other choices")
        << former << false << QByteArray("Frameloft.ShowOtherParts=1\r\n") << QStringLiteral("yy_TEST")
        << false << "Frameloft.ShowOtherParts=1\r\n" + carried;
    QTest::newRow("unreadable") << QByteArray() << true << QByteArray() << QStringLiteral("xx_TEST") << true
                                << QByteArray();
    QTest::newRow("none") << QByteArray() << false << QByteArray() << QStringLiteral("xx_TEST") << true
                          << QByteArray();
}

void TestSpellingCore::formerSettingsCarriedOver()
{
    QFETCH(QByteArray, former);
    QFETCH(bool, formerIsFolder);
    QFETCH(QByteArray, choices);
    QFETCH(QString, dictionary);
    QFETCH(bool, enabled);
    QFETCH(QByteArray, kept);
    const SpellingPlaces places = this->places({QStringLiteral(MINDLOOM_TEST_DATA "/latin")});
    if (formerIsFolder)
        QVERIFY(QDir().mkpath(places.formerSettingsFile));
    else if (!former.isEmpty())
        TestFiles::writeBytes(places.formerSettingsFile, former);
    if (!choices.isEmpty())
        TestFiles::writeBytes(choicesPath(), choices);

    {
        SpellChecker checker(places, this->choices());
        QCOMPARE(checker.dictionaryName(), dictionary);
        QCOMPARE(checker.isEnabled(), enabled);
    }
    if (kept.isEmpty()) {
        QVERIFY(!QFile::exists(choicesPath()));
        return;
    }
    QCOMPARE(TestFiles::readBytes(choicesPath()), kept);
    // Once: from then on the choices are read, the former file is left alone.
    if (!formerIsFolder && !former.isEmpty())
        QCOMPARE(TestFiles::readBytes(places.formerSettingsFile), former);
    QVERIFY(QFile::remove(places.formerSettingsFile));
    SpellChecker next(places, this->choices());
    QCOMPARE(next.dictionaryName(), dictionary);
    QCOMPARE(next.isEnabled(), enabled);
}

void TestSpellingCore::noDictionaryInstalled()
{
    QTemporaryDir empty;
    SpellChecker checker(places({empty.path()}));
    QVERIFY(!checker.isActive());
    QVERIFY(checker.dictionaries().isEmpty());
    QVERIFY2(checker.unavailableReason().contains(QDir::toNativeSeparators(empty.path())),
             qPrintable(checker.unavailableReason()));
    QCOMPARE(flagged(checker, QStringLiteral("wrod teh")), QStringList());
    QVERIFY(checker.suggestions(QStringLiteral("wrod")).isEmpty());
}

void TestSpellingCore::unreadableDictionary()
{
    // An affix file without its words file: the reason names the missing one.
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(MINDLOOM_TEST_DATA "/latin/xx_TEST.aff"),
                        folder.filePath(QStringLiteral("ww_BAD.aff"))));
    QString error;
    QVERIFY(!Dictionary::open(DictionaryFile{QStringLiteral("ww_BAD"),
                                             folder.filePath(QStringLiteral("ww_BAD.aff")),
                                             folder.filePath(QStringLiteral("ww_BAD.dic"))},
                              &error));
    QVERIFY2(error.contains(QStringLiteral("ww_BAD.dic")), qPrintable(error));
}

void TestSpellingCore::findings()
{
    SpellChecker checker(places());
    QVERIFY(checker.chooseDictionary(QStringLiteral("xx_TEST")).isEmpty());
    const QString text = QStringLiteral("Hello world.\r\n\r\nThe wrod, Zumi.\nqqqqxz");
    const FileCheck::Lines lines(text);
    QCOMPARE(
        CheckFindings::shown(SpellingCheck::check(checker, text, lines, SpellingExceptions::of({u"Zumi"}))),
        CheckFindings::shown(
            QStringList{QStringLiteral("3: \"wrod\" is not in the dictionary (suggestions: word)"),
                        QStringLiteral("4: \"qqqqxz\" is not in the dictionary")}));
    // A part of the text, counted in the whole text's lines.
    QCOMPARE(SpellingCheck::check(checker, text, lines, {}, 14, 6).size(), 0);
    QCOMPARE(SpellingCheck::check(checker, text, lines, {}, 16).value(0).line, 3);
}

QTEST_GUILESS_MAIN(TestSpellingCore)
#include "tst_spelling_core.moc"
