#pragma once

#include "EditorWindow.h"

#include <QPixmap>

#include <memory>

class FileDialog;
class Platform;
class QCheckBox;
class QLabel;
class EntryLine;
class QListWidget;
class QPushButton;
class QRadioButton;
class TextArea;

// The Personality Editor: lists the personalities of the program folder, loads
// one, shows its memory (general view) or its questions and answers in one text
// area, extends them from the entry line and saves them.
class MemoryEd : public EditorWindow
{
    Q_OBJECT
public:
    explicit MemoryEd(Platform &platform, QWidget *parent = nullptr);
    ~MemoryEd() override;

    // The window's texts. Memory and QandAFile always agree with the text area
    // while their view is shown.
    QString Memory() const;
    QString MatchWords() const { return m_matchWords; }
    QString WontSayData() const { return m_wontSayData; }
    QString QandAFile() const;
    QString PersonalityName() const { return m_personalityName; }
    QString InText() const { return m_inText; }
    int quest() const { return m_quest; }

    // Take the "* MatchWords:" and the "* WontSay:" section out of Memory.
    void GetStoredMatchWords();
    void GetWontSayData();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class View { General, QuestionAnswer };
    // Which of Memory and QandAFile is, for now, simply the text area's text.
    // That one is read from the area when asked for instead of being copied
    // on every change.
    enum class HeldByArea { None, Memory, QandAFile };

    void createControls();
    void styleControls();

    void listPersonalities();
    void loadPersonality();
    void savePersonality();
    void savePersonalityAs();
    void saveQandAAs();
    QString chooseSaveTarget(const QString &filter);
    void writeExport(const QString &path, const QString &text);

    void showGeneralView();
    void showQuestionAnswerView();
    void keepTextsInStep();
    void takeEntryLine();

    void setMemory(QString text);
    void setQandAFile(QString text);
    void takeOutSection(QString &section, QLatin1String marker);
    void showError(const QString &text);

    std::unique_ptr<FileDialog> cdl;
    QPixmap m_background;

    TextArea *RichTextBox1 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    EntryLine *Text2 = nullptr;
    QLabel *Label3 = nullptr;
    QCheckBox *Check1 = nullptr;

    View m_view = View::General;
    HeldByArea m_held = HeldByArea::None;
    QString m_memory;
    QString m_matchWords;
    QString m_wontSayData;
    QString m_qandAFile;
    QString m_personalityName;
    QString m_inText;
    int m_quest = 0;
};
