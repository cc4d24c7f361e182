#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class KBEd;
class Locs;
class MemoryEd;
class Platform;
class TestChatOpener;

// The launcher: the first window of Mindloom. Its picture buttons start the
// scene composer and show the Knowledge Base Editor, the Personality Editor and
// the Locations window, one of each, as independent windows.
class SuiteMain : public QWidget
{
    Q_OBJECT
public:
    explicit SuiteMain(Platform &platform, QWidget *parent = nullptr);
    ~SuiteMain() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The scene composer's program file in the program folder.
    QString frameloftPath() const;
    void startFrameloft();
    template <class Window> void showOne(QPointer<Window> &window);

    Platform &m_platform;
    QPixmap m_background;
    QPointer<KBEd> m_kbEd;
    QPointer<MemoryEd> m_memoryEd;
    QPointer<Locs> m_locs;
    TestChatOpener *m_testChat = nullptr;
};
