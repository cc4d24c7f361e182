#pragma once

#include "SentenceSplitter.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

class FileDialog;
class Platform;
class QLabel;
class EntryLine;
class QPushButton;
class QTimer;
class TextArea;

// The Knowledge Base Editor: one knowledge base as the text of the text area,
// an entry line that appends a fact, New/Load/Save of ".kba" files, and the
// import that builds a knowledge base from a text file, one sentence per fact.
class KBEd : public QWidget
{
    Q_OBJECT
public:
    explicit KBEd(Platform &platform, QWidget *parent = nullptr);
    ~KBEd() override;

    // Cuts TextData into sentences and appends each to the text area as a fact.
    // The split runs in slices between which the window handles its events;
    // this call does the first slice and returns. While the split runs, STOP is
    // shown, Label1 reads "Working..." and Label2 the percentage. Called while a
    // split runs, it starts over from the beginning of TextData.
    void GetFacts();

    // The text last read by "Read From Text File".
    const QString &textData() const { return TextData; }

    bool isSplitting() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void newKBase();
    void loadKBase();
    void saveKBase();
    void readFromTextFile();
    void addEntry();

    void splitSlice();
    void endSplit();
    // A command that shows a dialog or a message runs between two slices: the
    // split waits while it is open and goes on afterwards.
    bool holdSplit();
    void resumeSplit(bool held);
    void showError(const QString &text, const QString &title);

    Platform &m_platform;
    std::unique_ptr<FileDialog> cdl;
    QString TextData;

    TextArea *RichTextBox1;
    EntryLine *Text2;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QLabel *Label1;
    QLabel *Label2;

    SentenceSplitter m_splitter;
    QTimer *m_splitTimer;
    QString m_batch;
    bool m_splitting = false;
    double m_nsPerChar = 0;      // measured cost of a slice per appended character
    QPixmap m_background;
};
