// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneCheck.h"

#include "CanvasPicture.h"
#include "Cp1252.h"
#include "Picture.h"
#include "ProgramFolder.h"
#include "SceneFile.h"
#include "SceneRecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <iterator>

namespace SceneCheck {
namespace {

using FileCheck::Finding;

const char *const Prefixes[ScenePart::Count] = {"ZM", "ZB", "UM", "UB", "MP"};
const char *const Flags[ScenePart::Count] = {nullptr, "ZumiBlinkOn", "UserMouthOn", "UserBlinkOn", "MiscOn"};
const char *const Names[ScenePart::Count] = {
    QT_TRANSLATE_NOOP("SceneCheck", "Zumi mouth"), QT_TRANSLATE_NOOP("SceneCheck", "Zumi blink"),
    QT_TRANSLATE_NOOP("SceneCheck", "user mouth"), QT_TRANSLATE_NOOP("SceneCheck", "user blink"),
    QT_TRANSLATE_NOOP("SceneCheck", "miscellaneous part")};
const char NumberSuffixes[] = {'h', 'w', 'x', 'y'};
const char *const AnimationKeys[] = {"MR=", "MF=", "MD=", "MS="};

QString pictureKey(int part)
{
    return QLatin1String(Prefixes[part]) + QLatin1Char('=');
}

QString numberKey(int part, int number)
{
    return QLatin1String(Prefixes[part]) + QLatin1Char(NumberSuffixes[number]) + QLatin1Char('=');
}

// Every key of the format, longest first where one starts another.
QStringList allKeys()
{
    QStringList keys{QStringLiteral("BG="), QStringLiteral("NI=")};
    for (int part = 0; part < ScenePart::Count; ++part) {
        for (int number = 0; number < 4; ++number)
            keys << numberKey(part, number);
        keys << pictureKey(part);
    }
    for (const char *key : AnimationKeys)
        keys << QLatin1String(key);
    return keys;
}

QString quoted(QStringView text)
{
    constexpr qsizetype shownLength = 40;
    const QString shown = text.size() <= shownLength
                              ? text.toString()
                              : text.left(shownLength).toString() + QStringLiteral("...");
    return QLatin1Char('"') +
           QString(shown)
               .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
               .replace(QLatin1Char('\n'), QStringLiteral("\\n")) +
           QLatin1Char('"');
}

class Checker
{
    Q_DECLARE_TR_FUNCTIONS(SceneCheck)

public:
    Checker(const QByteArray &bytes, const QString &programFolder)
        : m_text(Cp1252::decode(bytes)), m_lines(m_text),
          m_images(ProgramFolder::subfolder(programFolder, QStringLiteral("Images")))
    {
        m_findings = FileCheck::codePage(bytes, m_text, m_lines);
    }

    QList<Finding> run()
    {
        m_content = SceneFile::readScene(m_text);
        checkLines();
        checkContent();
        return FileCheck::inLineOrder(m_findings);
    }

private:
    // Where the reader takes a key from: the line of its first occurrence, 0
    // when it does not occur.
    qsizetype lineOfKey(const QString &key)
    {
        const SceneFile::EntryPosition &entry = entryOf(key);
        return entry.found ? m_lines.lineOf(entry.valueStart - 1 - key.size()) : 0;
    }

    // Each key is looked up once: a file of many lines with one key and no
    // ";" would otherwise be read to its end once per line.
    const SceneFile::EntryPosition &entryOf(const QString &key)
    {
        auto it = m_entries.find(key);
        if (it == m_entries.end())
            it = m_entries.insert(key, SceneFile::findEntry(m_text, key));
        return it.value();
    }

    void add(qsizetype line, const QString &message) { m_findings << Finding{line, message}; }

    // The findings a line can have, each of them on a million lines of a
    // damaged file.
    enum LineKind { NoEntry, ReadElsewhere, NotRead, NoSemicolon, AfterSemicolon, LineKinds };
    bool take(LineKind kind, qsizetype line) { return m_lineKinds[kind].take(line); }

    void checkLines()
    {
        const QStringList keys = allKeys();
        qsizetype start = 0;
        while (start < m_text.size()) {
            qsizetype end = start;
            while (end < m_text.size() && m_text.at(end) != QLatin1Char('\r') &&
                   m_text.at(end) != QLatin1Char('\n'))
                ++end;
            checkLine(start, QStringView(m_text).mid(start, end - start), keys);
            if (end + 1 < m_text.size() && m_text.at(end) == QLatin1Char('\r') &&
                m_text.at(end + 1) == QLatin1Char('\n'))
                ++end;
            start = end + 1;
        }
        for (const FileCheck::OfAKind &kind : m_lineKinds)
            kind.finish(m_findings);
    }

    void checkLine(qsizetype start, QStringView line, const QStringList &keys)
    {
        if (line.isEmpty())
            return;
        const qsizetype number = m_lines.lineOf(start);
        for (const char *flag : Flags) {
            const qsizetype length = flag ? qsizetype(qstrlen(flag)) : 0;
            if (flag && line.size() == length + 1 && line.endsWith(QLatin1Char(';')) &&
                line.startsWith(QLatin1String(flag, length))) {
                m_flagLines.insert(QString::fromLatin1(flag), number);
                return;
            }
        }
        QString key;
        for (const QString &candidate : keys) {
            if (line.startsWith(candidate)) {
                key = candidate;
                break;
            }
        }
        if (key.isEmpty()) {
            if (take(NoEntry, number))
                add(number, tr("%1 is no entry, and saving drops it").arg(quoted(line)));
            return;
        }
        const SceneFile::EntryPosition &first = entryOf(key);
        const qsizetype firstStart = first.valueStart - 1 - key.size();
        if (firstStart != start) {
            if (take(ReadElsewhere, number))
                add(number, tr("\"%1\" is read from line %2, not from this entry, and saving drops this one")
                                .arg(key)
                                .arg(m_lines.lineOf(firstStart)));
            return;
        }
        // A part's numbers and the animation texts are read only with the
        // part's picture entry.
        for (int part = 0; part < ScenePart::Count; ++part) {
            const bool own = key.startsWith(QLatin1String(Prefixes[part])) && key != pictureKey(part);
            const bool animation = part == ScenePart::Misc &&
                                   std::any_of(std::begin(AnimationKeys), std::end(AnimationKeys),
                                               [&](const char *k) { return key == QLatin1String(k); });
            if ((own || animation) && !m_content.parts[size_t(part)].present) {
                if (take(NotRead, number))
                    add(number, tr("\"%1\" is not read without \"%2\", and saving drops it")
                                    .arg(key, pictureKey(part)));
                return;
            }
        }
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
        if (semicolon < 0) {
            if (take(NoSemicolon, number))
                add(number, tr("no \";\" ends the value of \"%1\" on its line").arg(key));
        } else if (semicolon + 1 < line.size()) {
            if (take(AfterSemicolon, number))
                add(number, tr("the value of \"%1\" ends at the first \";\", so %2 after it is not read")
                                .arg(key, quoted(line.mid(semicolon + 1))));
        }
    }

    void checkPicture(const QString &key, const QString &name)
    {
        const qsizetype line = lineOfKey(key);
        if (name.isEmpty()) {
            add(line, tr("\"%1\" names no picture").arg(key));
            return;
        }
        const QString path = SceneFile::picturePath(m_images, name);
        if (!QFileInfo(path).isFile()) {
            add(line, tr("the picture %1 is missing from Images").arg(quoted(name)));
            return;
        }
        if (SceneFile::leavesPictureFolder(name))
            add(line, tr("warning: the picture %1 lies outside Images: the scene works only "
                         "beside that folder")
                          .arg(quoted(name)));
        // Decoded as LOAD and rendering decode it, so that what passes here
        // also loads there.
        const PictureResult loaded = PictureLoader::load(path);
        if (!loaded.ok()) {
            // The loader's reason: the finding names the file itself.
            add(line, tr("the picture %1 in Images cannot be loaded: %2").arg(quoted(name), loaded.reason));
            return;
        }
        for (const QString &warning : {PictureLoader::formatMismatch(path), PictureLoader::cutShort(path)}) {
            if (!warning.isEmpty())
                add(line, tr("warning: %1").arg(warning));
        }
    }

    void checkPlace(int part, const SceneFile::PartEntry &entry)
    {
        const double x = entry.left, y = entry.top, w = entry.width, h = entry.height;
        const double width = CanvasPicture::Width, height = CanvasPicture::Height;
        const QString name = tr(Names[part]);
        const qsizetype line = lineOfKey(pictureKey(part));
        if (x >= width || y >= height || x + w <= 0 || y + h <= 0) {
            add(line, tr("the %1 lies wholly outside the 700 x 500 canvas").arg(name));
            return;
        }
        // Dragging keeps a part inside the canvas; the miscellaneous part's
        // strip of frames only inside its left and top edges.
        const bool strip = part == ScenePart::Misc;
        QStringList edges;
        if (x < 0)
            edges << tr("left", "the canvas's left edge");
        if (y < 0)
            edges << tr("top", "the canvas's top edge");
        if (!strip && x + w > width)
            edges << tr("right", "the canvas's right edge");
        if (!strip && y + h > height)
            edges << tr("bottom", "the canvas's bottom edge");
        if (edges.isEmpty())
            return;
        if (edges.size() == 1) {
            add(line, tr("the %1 reaches past the canvas's %2 edge").arg(name, edges.first()));
            return;
        }
        const QString joined =
            tr("%1 and %2", "the last two of a list of edges")
                .arg(edges.mid(0, edges.size() - 1).join(tr(", ", "between edges of a list")), edges.last());
        add(line, tr("the %1 reaches past the canvas's %2 edges").arg(name, joined));
    }

    void checkContent()
    {
        const SceneFile::SceneContent &content = m_content;
        if (content.background.found)
            checkPicture(QStringLiteral("BG="), content.background.value);
        else
            add(0, tr("there is no \"BG=\" entry, so Frameloft keeps the background it shows"));
        if (!content.parts[ScenePart::ZumiMouth].present)
            add(0, tr("there is no \"ZM=\" entry, so Frameloft keeps the Zumi mouth it shows"));

        for (int part = 0; part < ScenePart::Count; ++part) {
            const SceneFile::PartEntry &entry = content.parts[size_t(part)];
            const char *flag = Flags[part];
            if (flag && !entry.present && m_flagLines.contains(QLatin1String(flag))) {
                add(m_flagLines.value(QLatin1String(flag)),
                    tr("\"%1\" stands without \"%2\", so the %3 stays off")
                        .arg(QLatin1String(flag), pictureKey(part), tr(Names[part])));
            }
            if (!entry.present)
                continue;
            if (flag && !m_flagLines.contains(QLatin1String(flag))) {
                add(lineOfKey(pictureKey(part)), tr("\"%1\" has no \"%2\" entry, which saving adds")
                                                     .arg(pictureKey(part), QLatin1String(flag)));
            }
            checkPicture(pictureKey(part), entry.name);
            bool numbers = true;
            for (int number = 0; number < 4; ++number) {
                const QString key = numberKey(part, number);
                const SceneFile::EntryPosition value = entryOf(key);
                float read = 0;
                if (!value.found) {
                    add(lineOfKey(pictureKey(part)), tr("\"%1\" is missing, so it reads as 0").arg(key));
                } else if (!SceneFile::readNumber(value.value, &read)) {
                    add(lineOfKey(key), tr("\"%1\" holds %2, which is no number and reads as 0")
                                            .arg(key, quoted(value.value)));
                    numbers = false;
                } else if (const SceneFile::NumberRoundTrip trip = SceneFile::numberRoundTrip(value.value);
                           !trip.same()) {
                    add(lineOfKey(key), tr("\"%1\" holds %2, which is read and saved as \"%3\"")
                                            .arg(key, quoted(value.value), trip.saved));
                }
            }
            if (numbers)
                checkPlace(part, entry);
        }

        if (content.parts[ScenePart::Misc].present) {
            for (const char *key : AnimationKeys) {
                const QString name = QLatin1String(key);
                const SceneFile::EntryPosition value = entryOf(name);
                bool whole = false;
                value.value.trimmed().toInt(&whole);
                if (!value.found)
                    add(lineOfKey(pictureKey(ScenePart::Misc)),
                        tr("\"%1\" is missing: its box stays empty, and saving writes its default")
                            .arg(name));
                else if (!whole)
                    add(lineOfKey(name),
                        tr("\"%1\" holds %2, which is no whole number").arg(name, quoted(value.value)));
            }
        }

        const SceneFile::EntryPosition alternative = entryOf(QStringLiteral("NI="));
        if (alternative.found)
            checkPicture(QStringLiteral("NI="), alternative.value);
    }

    const QString m_text;
    const FileCheck::Lines m_lines;
    const QString m_images;
    QList<Finding> m_findings;
    QHash<QString, qsizetype> m_flagLines; // each switch word on a line of its own, and that line
    SceneFile::SceneContent m_content;
    QHash<QString, SceneFile::EntryPosition> m_entries;
    std::array<FileCheck::OfAKind, LineKinds> m_lineKinds;
};

} // namespace

QList<Finding> check(const QByteArray &bytes, const QString &programFolder)
{
    return Checker(bytes, programFolder).run();
}

FileCheck::Result checkFile(const QString &path, const QString &programFolder)
{
    return FileCheck::checkFile(
        path, [&programFolder](const QByteArray &bytes) { return check(bytes, programFolder); });
}

} // namespace SceneCheck
