<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChatFace</name>
    <message>
        <source>The companion&apos;s face</source>
        <translation>Das Gesicht der Begleiterin</translation>
    </message>
</context>
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
    <message>
        <source>NULs cut</source>
        <translation>NULs weg</translation>
    </message>
    <message>
        <source>NUL characters of the text file left out, since a knowledge base cannot hold them: %1</source>
        <translation>NUL-Zeichen der Textdatei weggelassen, da eine Wissensbasis sie nicht aufnehmen kann: %1</translation>
    </message>
</context>
<context>
    <name>LocationCheck</name>
    <message>
        <source>&quot;%1&quot; stands within a line without two commas after it, so it is no entry</source>
        <translation>&quot;%1&quot; steht mitten in einer Zeile ohne zwei Kommas danach und ist daher kein Eintrag</translation>
    </message>
    <message>
        <source>a second entry of location %1: only the one on line %2 is read, and saving drops this one</source>
        <translation>ein zweiter Eintrag für Ort %1: nur der in Zeile %2 wird gelesen, und Speichern entfernt diesen</translation>
    </message>
    <message>
        <source>the entry of location %1 has no comma: the rest of its line is the picture&apos;s name, and saving adds both commas</source>
        <translation>der Eintrag für Ort %1 hat kein Komma: der Rest seiner Zeile ist der Name des Bildes, und Speichern ergänzt beide Kommas</translation>
    </message>
    <message>
        <source>the entry of location %1 has no comma after its text, which saving adds</source>
        <translation>der Eintrag für Ort %1 hat kein Komma nach seinem Text; Speichern ergänzt es</translation>
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
<context>
    <name>RecoveryQuestions</name>
    <message>
        <source>&quot;%1&quot; was changed by another program after the recovered changes were made to it. Saving replaces that version with the recovered one (a copy of it is kept in the Backups folder beside it).

Save over it?</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, nachdem die wiederhergestellten Änderungen daran gemacht wurden. Speichern ersetzt diese Fassung durch die wiederhergestellte (eine Kopie davon bleibt im Ordner Backups daneben).

Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>RecoveryWindow</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Ungesicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>The program ended without closing these documents. Their changes since they were last saved were kept: choose what becomes of them.</source>
        <translation>Das Programm endete, ohne diese Dokumente zu schließen. Ihre Änderungen seit dem letzten Speichern wurden aufbewahrt: Wählen Sie, was mit ihnen geschieht.</translation>
    </message>
    <message>
        <source>Unsaved documents</source>
        <translation>Ungesicherte Dokumente</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Opens the chosen documents with their unsaved changes.</source>
        <translation>Öffnet die gewählten Dokumente mit ihren ungesicherten Änderungen.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Deletes the unsaved changes of the chosen documents.</source>
        <translation>Löscht die ungesicherten Änderungen der gewählten Dokumente.</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Keeps the unsaved changes for the next start.</source>
        <translation>Bewahrt die ungesicherten Änderungen für den nächsten Start auf.</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Beschädigt</translation>
    </message>
    <message>
        <source>(not saved yet)</source>
        <translation>(noch nicht gespeichert)</translation>
    </message>
    <message>
        <source>Delete the unsaved changes of this document? They cannot be got back.</source>
        <translation>Die ungesicherten Änderungen dieses Dokuments löschen? Sie lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>Delete the unsaved changes of these %1 documents? They cannot be got back.</source>
        <translation>Die ungesicherten Änderungen dieser %1 Dokumente löschen? Sie lassen sich nicht zurückholen.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>No dictionary is installed (looked in %1).</source>
        <translation>Kein Wörterbuch ist installiert (gesucht in %1).</translation>
    </message>
    <message>
        <source>The dictionary &quot;%1&quot; is not installed.</source>
        <translation>Das Wörterbuch „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The dictionary &quot;%1&quot; has no &quot;%2&quot; beside it.</source>
        <translation>Neben dem Wörterbuch „%1“ liegt kein „%2“.</translation>
    </message>
    <message>
        <source>A dictionary named &quot;%1&quot; is installed already, in &quot;%2&quot;.</source>
        <translation>Ein Wörterbuch namens „%1“ ist bereits installiert, in „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be kept in the personal word list: its file holds only the characters of the kit&apos;s files.</source>
        <translation>„%1“ kann nicht ins persönliche Wörterbuch: Seine Datei fasst nur die Zeichen der Dateien des Kits.</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>No Suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>Next Misspelling</source>
        <translation>Nächster Fehler</translation>
    </message>
    <message>
        <source>Previous Misspelling</source>
        <translation>Voriger Fehler</translation>
    </message>
    <message>
        <source>Add Dictionary...</source>
        <translation>Wörterbuch hinzufügen...</translation>
    </message>
</context>
<context>
    <name>SuiteMain</name>
    <message>
        <source>Data Folder</source>
        <translation>Datenordner</translation>
    </message>
</context>
<context>
    <name>TestChat</name>
    <message>
        <source>same words</source>
        <translation>gleiche Wörter</translation>
    </message>
    <message>
        <source>%1% of the question&apos;s weight</source>
        <translation>%1 % des Gewichts der Frage</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>Wertung %1</translation>
    </message>
    <message>
        <source>(Personality Editor)</source>
        <translation>(Persönlichkeits-Editor)</translation>
    </message>
    <message>
        <source>(start-up scene)</source>
        <translation>(Startszene)</translation>
    </message>
    <message>
        <source>Knowledge Base Editor</source>
        <translation>Wissensbasis-Editor</translation>
    </message>
    <message>
        <source>Test Chat</source>
        <translation>Test-Chat</translation>
    </message>
    <message>
        <source>&amp;Personality:</source>
        <translation>&amp;Persönlichkeit:</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>Persönlichkeit</translation>
    </message>
    <message>
        <source>Knowledge &amp;bases:</source>
        <translation>Wissens&amp;basen:</translation>
    </message>
    <message>
        <source>Knowledge bases</source>
        <translation>Wissensbasen</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Gespräch</translation>
    </message>
    <message>
        <source>Each reply with where it comes from; activate a source to go to it.</source>
        <translation>Jede Antwort mit ihrer Herkunft; eine Quelle aktivieren, um dorthin zu gehen.</translation>
    </message>
    <message>
        <source>&amp;Say:</source>
        <translation>&amp;Sagen:</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Sagen</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>Be&amp;halten</translation>
    </message>
    <message>
        <source>Adds what the companion would keep of the statement to the memory in the Personality Editor.</source>
        <translation>Fügt dem Gedächtnis im Persönlichkeits-Editor hinzu, was die Begleiterin von der Aussage behielte.</translation>
    </message>
    <message>
        <source>Save as &amp;Test...</source>
        <translation>Als &amp;Test speichern...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Sc&amp;ene:</source>
        <translation>Sz&amp;ene:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>Reply (close match): %1</source>
        <translation>Antwort (ähnliche Frage): %1</translation>
    </message>
    <message>
        <source>Reply: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message>
        <source>Click to go there in the editor.</source>
        <translation>Klicken, um im Editor dorthin zu gehen.</translation>
    </message>
    <message>
        <source>    from %1 (%2)</source>
        <translation>    aus %1 (%2)</translation>
    </message>
    <message>
        <source>    %1</source>
        <translation>    %1</translation>
    </message>
    <message>
        <source>    runner-up: %1 (%2)</source>
        <translation>    knapp dahinter: %1 (%2)</translation>
    </message>
    <message>
        <source>    would keep: %1</source>
        <translation>    würde behalten: %1</translation>
    </message>
    <message>
        <source>%1 is not open in an editor.</source>
        <translation>%1 ist in keinem Editor geöffnet.</translation>
    </message>
    <message>
        <source>Kept in the Personality Editor&apos;s memory (not saved yet).</source>
        <translation>Im Gedächtnis des Persönlichkeits-Editors behalten (noch nicht gespeichert).</translation>
    </message>
    <message>
        <source>Chat Tests (*.chat)|*.chat</source>
        <translation>Chat-Tests (*.chat)|*.chat</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>TestChatOpener</name>
    <message>
        <source>Test Chat...</source>
        <translation>Test-Chat...</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine Datei dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>Cannot make the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner &quot;%1&quot; kann nicht angelegt werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot;, where your work is kept, could not be made or filled with the kit&apos;s samples and pictures:
%2</source>
        <translation>Der Datenordner &quot;%1&quot;, in dem Ihre Arbeit liegt, konnte nicht angelegt oder mit den Beispielen und Bildern des Pakets gefüllt werden:
%2</translation>
    </message>
    <message>
        <source>The disk of the data folder &quot;%1&quot;, where your work is kept, is full: %2 are free, so saving may fail.</source>
        <translation>Der Datenträger des Datenordners &quot;%1&quot;, in dem Ihre Arbeit liegt, ist voll: %2 sind frei, daher kann das Speichern fehlschlagen.</translation>
    </message>
    <message>
        <source>

The editors may find no samples and no pictures until this is put right.</source>
        <translation>

Bis dies behoben ist, finden die Editoren womöglich keine Beispiele und keine Bilder.</translation>
    </message>
</context>
</TS>
