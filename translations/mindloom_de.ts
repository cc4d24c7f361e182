<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save your changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>FileQuestions</name>
    <message>
        <source>Replace %1?</source>
        <translation>%1 ersetzen?</translation>
    </message>
    <message>
        <source>Copy %1 into %2?</source>
        <translation>%1 in den Ordner %2 kopieren?</translation>
    </message>
</context>
<context>
    <name>KBEd</name>
    <message>
        <source>KBA Files (*.kba)</source>
        <translation>KBA-Dateien (*.kba)</translation>
    </message>
    <message>
        <source>Knowledge Base Editor</source>
        <translation>Wissensbasis-Editor</translation>
    </message>
    <message>
        <source>Knowledge base</source>
        <translation>Wissensbasis</translation>
    </message>
    <message>
        <source>The facts of the knowledge base, one paragraph each. Tab leaves the text.</source>
        <translation>Die Fakten der Wissensbasis, je einer pro Absatz. Tab verlässt den Text.</translation>
    </message>
    <message>
        <source>New fact</source>
        <translation>Neuer Fakt</translation>
    </message>
    <message>
        <source>Type a fact and press Enter to add it at the end of the knowledge base.</source>
        <translation>Einen Fakt eingeben und mit Enter ans Ende der Wissensbasis anfügen.</translation>
    </message>
    <message>
        <source>&amp;New KBase...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Starts an empty knowledge base (Ctrl+N).</source>
        <translation>Beginnt eine leere Wissensbasis (Strg+N).</translation>
    </message>
    <message>
        <source>&amp;Load KBase...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>Loads a knowledge base file (Ctrl+O).</source>
        <translation>Lädt eine Wissensbasis-Datei (Strg+O).</translation>
    </message>
    <message>
        <source>&amp;Save KBase...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Saves the knowledge base into the program folder (Ctrl+S).</source>
        <translation>Speichert die Wissensbasis im Programmordner (Strg+S).</translation>
    </message>
    <message>
        <source>&amp;Read From Text File</source>
        <translation>Aus Text&amp;datei lesen</translation>
    </message>
    <message>
        <source>Builds a knowledge base from a text file, one sentence per fact.</source>
        <translation>Baut eine Wissensbasis aus einer Textdatei, ein Satz je Fakt.</translation>
    </message>
    <message>
        <source>S&amp;TOP</source>
        <translation>S&amp;TOPP</translation>
    </message>
    <message>
        <source>Ends the running import (Escape).</source>
        <translation>Beendet den laufenden Import (Esc).</translation>
    </message>
    <message>
        <source>Import status</source>
        <translation>Importstatus</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Importfortschritt</translation>
    </message>
    <message>
        <source>The import is still running. Save the knowledge base as it is now?</source>
        <translation>Der Import läuft noch. Die Wissensbasis so speichern, wie sie jetzt ist?</translation>
    </message>
    <message>
        <source>The knowledge base has changed. Save it?</source>
        <translation>Die Wissensbasis wurde geändert. Speichern?</translation>
    </message>
    <message>
        <source>Load KBase</source>
        <translation>KBase laden</translation>
    </message>
    <message>
        <source>Save KBase</source>
        <translation>KBase speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Read From Text File</source>
        <translation>Aus Textdatei lesen</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Arbeite...</translation>
    </message>
</context>
<context>
    <name>Locs</name>
    <message>
        <source>Locations</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Location &amp;%1</source>
        <translation>Ort &amp;%1</translation>
    </message>
    <message>
        <source>Location %1 picture</source>
        <translation>Bild von Ort %1</translation>
    </message>
    <message>
        <source>Location %1 text</source>
        <translation>Text von Ort %1</translation>
    </message>
    <message>
        <source>The text shown with the picture of Location %1.</source>
        <translation>Der Text, der mit dem Bild von Ort %1 gezeigt wird.</translation>
    </message>
    <message>
        <source>Open Location %1 picture</source>
        <translation>Bild von Ort %1 öffnen</translation>
    </message>
    <message>
        <source>Chooses the picture of Location %1 (Alt+O in its row).</source>
        <translation>Wählt das Bild von Ort %1 (Alt+F in seiner Zeile).</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Writes the five locations into Options.Cfg (Ctrl+S).</source>
        <translation>Schreibt die fünf Orte in Options.Cfg (Strg+S).</translation>
    </message>
    <message>
        <source>The locations have changed. Save them in Options.Cfg?</source>
        <translation>Die Orte wurden geändert. In Options.Cfg speichern?</translation>
    </message>
    <message>
        <source>

The locations start empty, and &quot;Save Settings&quot; will not replace the file.</source>
        <translation>

Die Orte beginnen leer, und „Speichern“ ersetzt die Datei nicht.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the Locations folder.</source>
        <translation>Das Bild %1 ist nicht im Ordner Locations.</translation>
    </message>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Bilddateien (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>

The picture of Location %1 is unchanged.</source>
        <translation>

Das Bild von Ort %1 bleibt unverändert.</translation>
    </message>
</context>
</TS>
