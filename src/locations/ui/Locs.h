// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditorWindow.h"

#include <QPixmap>

#include <array>
#include <memory>

class DocumentRecovery;
class FileDialog;
struct RecoveryRecord;
class LineBox;
class LocationsDocument;
class QLabel;
class QPushButton;

// The Locations window: shows the five locations of a LocationsDocument, each
// a picture from the "Locations" folder of the program folder and a short
// text, and forwards the edits to it. Opening the window reads
// "Options.Cfg"; "Save Settings" writes it back.
//
// Keys: Alt+1 .. Alt+5 go to a location's text, Alt+O opens the picture of
// the location whose row has the focus, Alt+S and Ctrl+S save. Unsaved
// changes are asked about before the window closes.
class Locs : public EditorWindow
{
    Q_OBJECT
public:
    explicit Locs(Platform &platform, QWidget *parent = nullptr);
    ~Locs() override;

    LocationsDocument &document() const { return *m_document; }

    // Puts recovered changes over the locations as unsaved changes, once the
    // window's own unsaved work may go; false when the user kept it.
    bool recover(const RecoveryRecord &record);
    DocumentRecovery *recovery() const { return m_recovery.get(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hasUnsavedWork() const override;
    bool saveWork() override;
    QString unsavedWorkQuestion() const override;

private:
    void loadSettings();
    void showLocations();
    void openPicture(int n);
    bool saveSettings();
    void showNoPicture(int n, const QString &why);
    void followFocus(QWidget *now);

    std::unique_ptr<LocationsDocument> m_document;
    std::unique_ptr<FileDialog> cdl;
    // Goes before the document it reads.
    std::unique_ptr<DocumentRecovery> m_recovery;
    std::array<QLabel *, 5> m_images{};
    std::array<LineBox *, 5> m_texts{};
    std::array<QPushButton *, 5> m_opens{};
    QPixmap m_background;
};
