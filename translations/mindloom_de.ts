<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppCommandLine</name>
    <message>
        <source>The personality editing suite: edits a chat companion&apos;s personality, knowledge bases and locations, and starts the scene composer.</source>
        <translation>Die Suite zum Bearbeiten von Persönlichkeiten: bearbeitet die Persönlichkeit, die Wissensbasen und die Orte einer Chat-Begleiterin und startet den Szenen-Editor.</translation>
    </message>
    <message>
        <source>The scene composer: places a chat companion&apos;s background, mouth, blink and other parts on a 700 x 500 canvas and saves them as scene files.</source>
        <translation>Der Szenen-Editor: setzt Hintergrund, Mund, Blinzeln und weitere Teile einer Chat-Begleiterin auf eine Fläche von 700 x 500 und speichert sie als Szenendateien.</translation>
    </message>
    <message>
        <source>Reports what in FILE (a personality&apos;s .mem or .qas file, a .kba knowledge base or Options.Cfg) would not load or be saved back unchanged, one line each, and exits: 0 when there is nothing, 1 when there is.</source>
        <translation>Meldet, was in FILE (der .mem- oder .qas-Datei einer Persönlichkeit, einer .kba-Wissensbasis oder Options.Cfg) nicht geladen oder nicht unverändert zurückgespeichert würde, je eine Zeile, und endet mit 0, wenn nichts gefunden wird, mit 1, wenn doch.</translation>
    </message>
    <message>
        <source>Reports what in the scene FILE would not load or be saved back unchanged, one line each, and exits: 0 when there is nothing, 1 when there is.</source>
        <translation>Meldet, was in der Szenendatei FILE nicht geladen oder nicht unverändert zurückgespeichert würde, je eine Zeile, und endet mit 0, wenn nichts gefunden wird, mit 1, wenn doch.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>Reads and writes the files in DIR instead of the program folder.</source>
        <translation>Liest und schreibt die Dateien in DIR statt im Programmordner.</translation>
    </message>
    <message>
        <source>Draws the scene FILE.scn as the companion shows it into the PNG picture OUT.png given after it (--render FILE.scn OUT.png), without a window, and exits: 0 when the picture is written, 1 when the scene or a picture cannot be read or OUT.png cannot be written.</source>
        <translation>Zeichnet die Szene FILE.scn, wie die Begleiterin sie zeigt, in das danach angegebene PNG-Bild OUT.png (--render FILE.scn OUT.png), ohne Fenster, und endet mit 0, wenn das Bild geschrieben ist, mit 1, wenn die Szene oder ein Bild nicht lesbar ist oder OUT.png nicht geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Searches FOLDER and its subfolders for the pictures the scene FILE.scn given after it names but the folder&apos;s Images lacks (--find-pictures FOLDER FILE.scn), by name whatever the case, copies what it finds into Images, lists what it found and what not, and exits: 0 when no picture is missing afterwards, 1 when one is.</source>
        <translation>Durchsucht FOLDER und seine Unterordner nach den Bildern, die die danach angegebene Szene FILE.scn nennt, die aber im Ordner Images fehlen (--find-pictures FOLDER FILE.scn), nach dem Namen ohne Rücksicht auf Groß- und Kleinschreibung, kopiert das Gefundene nach Images, listet auf, was gefunden wurde und was nicht, und endet mit 0, wenn danach kein Bild mehr fehlt, mit 1, wenn eines fehlt.</translation>
    </message>
    <message>
        <source>With --check: also reports each word of FILE&apos;s texts that the dictionary does not know, one line each, by the editors&apos; rules and with the personal word list.</source>
        <translation>Mit --check: meldet auch jedes Wort der Texte von FILE, das das Wörterbuch nicht kennt, je eine Zeile, nach den Regeln der Editoren und mit dem persönlichen Wörterbuch.</translation>
    </message>
    <message>
        <source>Runs every exchange of the chat test FILE.chat through the Test Chat&apos;s rules, without a window; prints one line per reply that does not match, then the count, and exits: 0 when all pass, 1 when one fails, 2 when the file, its personality or a knowledge base cannot be read.</source>
        <translation>Spielt jeden Wortwechsel des Chat-Tests FILE.chat nach den Regeln des Test-Chats durch, ohne Fenster; gibt je Antwort, die nicht passt, eine Zeile aus, dann die Anzahl, und endet mit 0, wenn alle passen, mit 1, wenn einer scheitert, mit 2, wenn die Datei, ihre Persönlichkeit oder eine Wissensbasis nicht lesbar ist.</translation>
    </message>
    <message>
        <source>With --verify: also lists the questions of the personality that no exchange reached, with their lines.</source>
        <translation>Mit --verify: listet auch die Fragen der Persönlichkeit, die kein Wortwechsel erreicht hat, mit ihren Zeilen.</translation>
    </message>
    <message>
        <source>A scene to load once the window is open.</source>
        <translation>Eine Szene, die geladen wird, sobald das Fenster offen ist.</translation>
    </message>
    <message>
        <source>Files to open once the launcher is up: a .kba knowledge base in the Knowledge Base Editor, a personality&apos;s .mem or .qas file in the Personality Editor, Options.Cfg in the Locations window. Without --folder, their folder is the work folder.</source>
        <translation>Dateien, die geöffnet werden, sobald der Starter läuft: eine .kba-Wissensbasis im Wissensbasis-Editor, die .mem- oder .qas-Datei einer Persönlichkeit im Persönlichkeits-Editor, Options.Cfg im Fenster Orte. Ohne --folder ist ihr Ordner der Arbeitsordner.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
&apos;%1 --help&apos; zeigt mehr dazu.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--check and --render cannot be used together.</source>
        <translation>--check und --render lassen sich nicht zusammen verwenden.</translation>
    </message>
    <message>
        <source>--check and --verify cannot be used together.</source>
        <translation>--check und --verify lassen sich nicht zusammen verwenden.</translation>
    </message>
    <message>
        <source>--coverage needs --verify FILE.chat.</source>
        <translation>--coverage braucht --verify FILE.chat.</translation>
    </message>
    <message>
        <source>--spelling needs --check FILE.</source>
        <translation>--spelling braucht --check FILE.</translation>
    </message>
    <message>
        <source>--find-pictures cannot be used with --%1.</source>
        <translation>--find-pictures lässt sich nicht mit --%1 verwenden.</translation>
    </message>
    <message>
        <source>--find-pictures needs FOLDER and FILE.scn.</source>
        <translation>--find-pictures braucht FOLDER und FILE.scn.</translation>
    </message>
    <message>
        <source>--render needs FILE.scn and OUT.png.</source>
        <translation>--render braucht FILE.scn und OUT.png.</translation>
    </message>
    <message>
        <source>Mindloom opens a .kba knowledge base, a personality&apos;s .mem or .qas file or Options.Cfg, not &quot;%1&quot;.</source>
        <translation>Mindloom öffnet eine .kba-Wissensbasis, die .mem- oder .qas-Datei einer Persönlichkeit oder Options.Cfg, nicht „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the work folder &quot;%2&quot;.</source>
        <translation>„%1“ liegt nicht im Arbeitsordner „%2“.</translation>
    </message>
</context>
<context>
    <name>ArtistTools</name>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Bilddateien (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>Cut Out From Full Picture...	Ctrl+Shift+L</source>
        <translation>Aus Gesamtbild ausschneiden...	Strg+Umschalt+L</translation>
    </message>
    <message>
        <source>Make Strip From Pictures...</source>
        <translation>Streifen aus Bildern machen...</translation>
    </message>
    <message>
        <source>Position and Size...	Enter</source>
        <translation>Position und Größe...	Enter</translation>
    </message>
    <message>
        <source>Show Other Parts	G</source>
        <translation>Andere Teile zeigen	G</translation>
    </message>
    <message>
        <source>Cut Out From Full Picture...</source>
        <translation>Aus Gesamtbild ausschneiden...</translation>
    </message>
    <message>
        <source>Make Strip From Pictures</source>
        <translation>Streifen aus Bildern machen</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>No backup of &quot;%1&quot; was kept: %2</source>
        <translation>Von „%1“ wurde keine Sicherung behalten: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be made.</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>ChatCheck</name>
    <message>
        <source>the question &quot;%1&quot; never answers: line %2 asks it in the same words first</source>
        <translation>die Frage &quot;%1&quot; wird nie beantwortet: Zeile %2 stellt sie zuerst mit denselben Wörtern</translation>
    </message>
</context>
<context>
    <name>ChatEngine</name>
    <message>
        <source>no words</source>
        <translation>keine Wörter</translation>
    </message>
    <message>
        <source>only stop words: %1</source>
        <translation>nur Füllwörter: %1</translation>
    </message>
    <message>
        <source>no shared word: %1 is in no question, statement or fact</source>
        <translation>kein gemeinsames Wort: %1 steht in keiner Frage, keiner Aussage und keinem Fakt</translation>
    </message>
    <message>
        <source>no shared word: %1 are in no question, statement or fact</source>
        <translation>kein gemeinsames Wort: %1 stehen in keiner Frage, keiner Aussage und keinem Fakt</translation>
    </message>
    <message>
        <source>no question holds half of its weighted words in the line (%1: %2%)</source>
        <translation>keine Frage hat die Hälfte ihrer gewichteten Wörter in der Zeile (%1: %2 %)</translation>
    </message>
</context>
<context>
    <name>ChatFace</name>
    <message>
        <source>The companion&apos;s face</source>
        <translation>Das Gesicht der Begleiterin</translation>
    </message>
</context>
<context>
    <name>ChatFiles</name>
    <message>
        <source>the knowledge base &quot;%1&quot; cannot be read: %2</source>
        <translation>die Wissensbasis „%1“ ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 holds no personality</source>
        <translation>%1 enthält keine Persönlichkeit</translation>
    </message>
    <message>
        <source>the personality &quot;%1&quot; cannot be read: %2 is missing</source>
        <translation>die Persönlichkeit „%1“ ist nicht lesbar: %2 fehlt</translation>
    </message>
    <message>
        <source>the personality &quot;%1&quot; cannot be read: %2</source>
        <translation>die Persönlichkeit „%1“ ist nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>ChatSource</name>
    <message>
        <source>Q/A line %1 — %2</source>
        <translation>F/A-Zeile %1 — %2</translation>
    </message>
    <message>
        <source>memory, line %1</source>
        <translation>Gedächtnis, Zeile %1</translation>
    </message>
    <message>
        <source>%1, fact %2 (line %3)</source>
        <translation>%1, Fakt %2 (Zeile %3)</translation>
    </message>
</context>
<context>
    <name>ChatTestFile</name>
    <message>
        <source>no &quot;&lt;&quot; line says what the reply must be</source>
        <translation>keine &quot;&lt;&quot;-Zeile sagt, wie die Antwort lauten muss</translation>
    </message>
    <message>
        <source>a &quot;&lt;&quot; line before the first &quot;&gt;&quot; line</source>
        <translation>eine &quot;&lt;&quot;-Zeile vor der ersten &quot;&gt;&quot;-Zeile</translation>
    </message>
    <message>
        <source>header lines come before the first &quot;&gt;&quot; line</source>
        <translation>Kopfzeilen stehen vor der ersten &quot;&gt;&quot;-Zeile</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names nothing</source>
        <translation>&quot;%1&quot; nennt nichts</translation>
    </message>
    <message>
        <source>a second &quot;personality:&quot; line</source>
        <translation>eine zweite &quot;personality:&quot;-Zeile</translation>
    </message>
    <message>
        <source>not a &quot;&gt;&quot;, &quot;&lt;&quot;, &quot;#&quot;, &quot;personality:&quot; or &quot;knowledge:&quot; line: &quot;%1&quot;</source>
        <translation>keine &quot;&gt;&quot;-, &quot;&lt;&quot;-, &quot;#&quot;-, &quot;personality:&quot;- oder &quot;knowledge:&quot;-Zeile: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ChatVerify</name>
    <message>
        <source>expected %1, got &quot;%2&quot; (from %3)</source>
        <translation>erwartet %1, erhalten &quot;%2&quot; (aus %3)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 passed, %2 failed</source>
        <translation>%1 bestanden, %2 nicht bestanden</translation>
    </message>
    <message>
        <source>not reached: %1</source>
        <translation>nicht erreicht: %1</translation>
    </message>
    <message>
        <source>%1 of %2 questions reached</source>
        <translation>%1 von %2 Fragen erreicht</translation>
    </message>
</context>
<context>
    <name>CutOutWindow</name>
    <message>
        <source>Cut Out From Full Picture</source>
        <translation>Aus Gesamtbild ausschneiden</translation>
    </message>
    <message>
        <source>Full picture with the part&apos;s rectangle</source>
        <translation>Gesamtbild mit dem Rechteck des Teils</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>How much a red, green or blue value may differ and still count as the same</source>
        <translation>Wie weit ein Rot-, Grün- oder Blauwert abweichen darf und noch als gleich gilt</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Pixels of background kept around the difference</source>
        <translation>Pixel Hintergrund, die um den Unterschied herum bleiben</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Toleranz:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Rand:</translation>
    </message>
    <message>
        <source>%1 x %2 pixels at (%3, %4)</source>
        <translation>%1 x %2 Pixel bei (%3, %4)</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>Cannot read the dictionary file &quot;%1&quot;.</source>
        <translation>Die Wörterbuchdatei „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The dictionary &quot;%1&quot; is written in the encoding %2, which this program cannot convert.</source>
        <translation>Das Wörterbuch „%1“ ist in der Kodierung %2 geschrieben, die dieses Programm nicht umwandeln kann.</translation>
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
    <name>FileCheck</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%L1 more lines from this one on have the finding of line %2, which is not listed again</source>
        <translation>%L1 weitere Zeilen ab dieser haben den Befund von Zeile %2, der nicht noch einmal aufgeführt wird</translation>
    </message>
    <message>
        <source>the byte %1 is no character of Windows-1252</source>
        <translation>das Byte %1 ist kein Zeichen von Windows-1252</translation>
    </message>
    <message>
        <source>the file is UTF-8 text: read as Windows-1252, &quot;%1&quot; becomes &quot;%2&quot;</source>
        <translation>die Datei ist UTF-8-Text: als Windows-1252 gelesen wird &quot;%1&quot; zu &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the line ends in a CR without LF, which comes back as CR LF</source>
        <translation>die Zeile endet auf ein CR ohne LF, das als CR LF zurückkommt</translation>
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
    <message>
        <source>%1 was changed by another program since it was loaded. Replace it with your version?</source>
        <translation>%1 wurde seit dem Laden von einem anderen Programm geändert. Durch Ihre Fassung ersetzen?</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>&amp;Wrap around</source>
        <translation>Am Ende &amp;weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find &amp;what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Continued from the start.</source>
        <translation>Vom Anfang an fortgesetzt.</translation>
    </message>
    <message>
        <source>Continued from the end.</source>
        <translation>Vom Ende an fortgesetzt.</translation>
    </message>
</context>
<context>
    <name>FindPicturesWindow</name>
    <message>
        <source>Find Pictures</source>
        <translation>Bilder suchen</translation>
    </message>
    <message>
        <source>Searched &quot;%1&quot; and its subfolders.</source>
        <translation>&quot;%1&quot; und seine Unterordner durchsucht.</translation>
    </message>
    <message>
        <source>&amp;Found (copied into Images on OK):</source>
        <translation>&amp;Gefunden (bei OK nach Images kopiert):</translation>
    </message>
    <message>
        <source>Pictures found</source>
        <translation>Gefundene Bilder</translation>
    </message>
    <message>
        <source>Each picture the scene names, with the file found for it</source>
        <translation>Jedes Bild, das die Szene nennt, mit der dafür gefundenen Datei</translation>
    </message>
    <message>
        <source>%1  ←  %2</source>
        <translation>%1  ←  %2</translation>
    </message>
    <message>
        <source>&amp;Not found:</source>
        <translation>&amp;Nicht gefunden:</translation>
    </message>
    <message>
        <source>Pictures not found</source>
        <translation>Nicht gefundene Bilder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Bilddateien (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>These pictures of the default scene could not be loaded, so their parts are empty:</source>
        <translation>Diese Bilder der Standardszene konnten nicht geladen werden, daher sind ihre Teile leer:</translation>
    </message>
    <message>
        <source>%L1 characters, too many to edit here; kept as they are.</source>
        <translation>%L1 Zeichen, zu viele, um sie hier zu bearbeiten; sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>the &quot;;&quot; in it would end the entry there</source>
        <translation>das „;“ darin würde den Eintrag dort beenden</translation>
    </message>
    <message>
        <source>it holds a line break</source>
        <translation>darin steht ein Zeilenumbruch</translation>
    </message>
    <message>
        <source>a reader of the file would take the &quot;%1&quot; in it for the entry &quot;%1&quot;</source>
        <translation>ein Leser der Datei hielte das „%1“ darin für den Eintrag „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored in a scene file: %2.

%3</source>
        <translation>„%1“ kann nicht in einer Szenendatei gespeichert werden: %2.

%3</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Rename the picture and load it again.</source>
        <translation>Benennen Sie das Bild um und laden Sie es erneut.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Save Scene</source>
        <translation>Szene speichern</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Scn Files (*.scn)</source>
        <translation>Scn-Dateien (*.scn)</translation>
    </message>
    <message>
        <source>Scene Files (*.scn)</source>
        <translation>Szenendateien (*.scn)</translation>
    </message>
    <message>
        <source>Load Scene</source>
        <translation>Szene laden</translation>
    </message>
    <message>
        <source>The scene was loaded, but these pictures could not be; their parts show the pictures they had before:</source>
        <translation>Die Szene wurde geladen, aber diese Bilder nicht; ihre Teile zeigen die Bilder, die sie vorher hatten:</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>Neue Szene</translation>
    </message>
    <message>
        <source>The scene has changed. Save it before closing?</source>
        <translation>Die Szene wurde geändert. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>The scene was recovered, but these pictures could not be loaded:</source>
        <translation>Die Szene wurde wiederhergestellt, aber diese Bilder konnten nicht geladen werden:</translation>
    </message>
    <message>
        <source>This photo is stored rotated; the companion shows it as stored. Save an upright copy into Images?</source>
        <translation>Dieses Foto ist gedreht gespeichert; der Begleiter zeigt es so, wie es gespeichert ist. Eine aufrechte Kopie in Images speichern?</translation>
    </message>
    <message>
        <source>Find Pictures...</source>
        <translation>Bilder suchen...</translation>
    </message>
    <message>
        <source>Find Pictures</source>
        <translation>Bilder suchen</translation>
    </message>
    <message>
        <source>These pictures could not be copied into Images:</source>
        <translation>Diese Bilder konnten nicht nach Images kopiert werden:</translation>
    </message>
    <message>
        <source>These pictures of the scene are still missing; their parts show the pictures they had before:</source>
        <translation>Diese Bilder der Szene fehlen noch; ihre Teile zeigen die Bilder, die sie vorher hatten:</translation>
    </message>
    <message>
        <source>it holds the character %1, which an 8-bit text file cannot store</source>
        <translation>darin steht das Zeichen %1, das eine 8-Bit-Textdatei nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>Form1Layout</name>
    <message>
        <source>Scene canvas, 700 by 500</source>
        <translation>Szenenfläche, 700 mal 500</translation>
    </message>
    <message>
        <source>The background with the selected part. Drag the part, or move it with the arrow keys (Shift: 10 pixels).</source>
        <translation>Der Hintergrund mit dem gewählten Teil. Ziehen Sie den Teil, oder bewegen Sie ihn mit den Pfeiltasten (Umschalt: 10 Pixel).</translation>
    </message>
    <message>
        <source>Zumi Blink</source>
        <translation>Zumi-Lid</translation>
    </message>
    <message>
        <source>Puts the Zumi blink part into the scene</source>
        <translation>Nimmt das Lid-Bild von Zumi in die Szene auf</translation>
    </message>
    <message>
        <source>User Mouth</source>
        <translation>User-Mund</translation>
    </message>
    <message>
        <source>Puts the user mouth part into the scene</source>
        <translation>Nimmt den Mund des Users in die Szene auf</translation>
    </message>
    <message>
        <source>User Blink</source>
        <translation>User-Lid</translation>
    </message>
    <message>
        <source>Puts the user blink part into the scene</source>
        <translation>Nimmt das Lid-Bild des Users in die Szene auf</translation>
    </message>
    <message>
        <source>Misc. Part</source>
        <translation>Extrateil</translation>
    </message>
    <message>
        <source>Puts the miscellaneous part and its animation numbers into the scene</source>
        <translation>Nimmt den Extrateil und seine Animationswerte in die Szene auf</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>Load Background picture</source>
        <translation>Hintergrundbild laden</translation>
    </message>
    <message>
        <source>Nude BG</source>
        <translation>Akt-HG</translation>
    </message>
    <message>
        <source>The scene has an alternative background</source>
        <translation>Die Szene hat einen zweiten Hintergrund</translation>
    </message>
    <message>
        <source>Show the Nude BG picture</source>
        <translation>Das Akt-HG-Bild zeigen</translation>
    </message>
    <message>
        <source>Shows the alternative background instead of the background</source>
        <translation>Zeigt den zweiten Hintergrund statt des Hintergrunds</translation>
    </message>
    <message>
        <source>Load Nude BG picture</source>
        <translation>Akt-HG-Bild laden</translation>
    </message>
    <message>
        <source>Zumi Mouth</source>
        <translation>Zumi-Mund</translation>
    </message>
    <message>
        <source>Load Zumi Mouth picture</source>
        <translation>Bild für Zumi-Mund laden</translation>
    </message>
    <message>
        <source>Load User Mouth picture</source>
        <translation>Bild für User-Mund laden</translation>
    </message>
    <message>
        <source>Load Zumi Blink picture</source>
        <translation>Bild für Zumi-Lid laden</translation>
    </message>
    <message>
        <source>Load User Blink picture</source>
        <translation>Bild für User-Lid laden</translation>
    </message>
    <message>
        <source>Load Misc. Part picture</source>
        <translation>Bild für Extrateil laden</translation>
    </message>
    <message>
        <source>Picture of the selected part</source>
        <translation>Bild des gewählten Teils</translation>
    </message>
    <message>
        <source>The picture name of the selected part; typing here changes nothing</source>
        <translation>Der Bildname des gewählten Teils; Tippen hier ändert nichts</translation>
    </message>
    <message>
        <source>Selects the part to place</source>
        <translation>Wählt den Teil, der gesetzt wird</translation>
    </message>
    <message>
        <source>Miscellaneous Part</source>
        <translation>Sonstiger Teil</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Nudge up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <source>Lft</source>
        <translation>Li</translation>
    </message>
    <message>
        <source>Nudge left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <source>Rt</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Nudge right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <source>Dw</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Nudge down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <source>Show/Hide Image</source>
        <translation>Bild zeigen</translation>
    </message>
    <message>
        <source>Draws the selected part over the background</source>
        <translation>Zeichnet den gewählten Teil über den Hintergrund</translation>
    </message>
    <message>
        <source>Use Outline</source>
        <translation>Nur Umriss</translation>
    </message>
    <message>
        <source>Drags with an outline instead of the picture</source>
        <translation>Zieht mit einem Umriss statt mit dem Bild</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>New Scene...</source>
        <translation>Neue Szene...</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>Neue Szene</translation>
    </message>
    <message>
        <source>Load Scene...</source>
        <translation>Szene laden...</translation>
    </message>
    <message>
        <source>Save Scene...</source>
        <translation>Szene sichern...</translation>
    </message>
    <message>
        <source>Misc:</source>
        <translation>Extra:</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Frames of the miscellaneous part&apos;s animation</source>
        <translation>Bilder der Animation des Extrateils</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed of the miscellaneous part&apos;s animation</source>
        <translation>Tempo der Animation des Extrateils</translation>
    </message>
    <message>
        <source>Rndm</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Randomness of the miscellaneous part&apos;s animation</source>
        <translation>Zufälligkeit der Animation des Extrateils</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verz.</translation>
    </message>
    <message>
        <source>Delay of the miscellaneous part&apos;s animation</source>
        <translation>Verzögerung der Animation des Extrateils</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The help document &quot;%1&quot; was not found.</source>
        <translation>Die Hilfeseite &quot;%1&quot; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help document &quot;%1&quot; could not be opened in a browser.</source>
        <translation>Die Hilfeseite &quot;%1&quot; konnte nicht in einem Browser geöffnet werden.</translation>
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
    <name>KitTasks</name>
    <message>
        <source>There is nothing to do without a window.</source>
        <translation>Ohne Fenster gibt es nichts zu tun.</translation>
    </message>
    <message>
        <source>--check takes a personality&apos;s .mem or .qas file, a .kba knowledge base or Options.Cfg, not &quot;%1&quot;.</source>
        <translation>--check nimmt die .mem- oder .qas-Datei einer Persönlichkeit, eine .kba-Wissensbasis oder Options.Cfg, nicht „%1“.</translation>
    </message>
    <message>
        <source>%1: The spelling is not checked. %2
</source>
        <translation>%1: Die Rechtschreibung wird nicht geprüft. %2
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no folder to search.</source>
        <translation>„%1“ ist kein Ordner, der sich durchsuchen lässt.</translation>
    </message>
    <message>
        <source>found %1: %2
</source>
        <translation>gefunden %1: %2
</translation>
    </message>
    <message>
        <source>not found %1
</source>
        <translation>nicht gefunden %1
</translation>
    </message>
</context>
<context>
    <name>KnowledgeCheck</name>
    <message>
        <source>the line ends in an LF without CR: the companion reads lines ended by CR LF</source>
        <translation>die Zeile endet auf ein LF ohne CR: die Begleiterin liest Zeilen, die auf CR LF enden</translation>
    </message>
    <message>
        <source>the line holds a NUL byte, where many programs take the text to end</source>
        <translation>die Zeile enthält ein NUL-Byte, an dem für viele Programme der Text endet</translation>
    </message>
    <message>
        <source>the file does not end in CR LF: a save adds one</source>
        <translation>die Datei endet nicht auf CR LF: Speichern fügt es an</translation>
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
    <message>
        <source>there is no entry of location %1 (&quot;%2&quot;), so it is empty</source>
        <translation>es gibt keinen Eintrag für Ort %1 (&quot;%2&quot;), daher ist er leer</translation>
    </message>
    <message>
        <source>location %1 names a picture of %L2 characters, which no file can have (&quot;%3...&quot;)</source>
        <translation>Ort %1 nennt ein Bild mit %L2 Zeichen, die keine Datei haben kann (&quot;%3...&quot;)</translation>
    </message>
    <message>
        <source>location %1 names no picture</source>
        <translation>Ort %1 nennt kein Bild</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; of location %2 is missing from Locations</source>
        <translation>das Bild &quot;%1&quot; von Ort %2 fehlt in Locations</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; of location %2 in Locations cannot be read</source>
        <translation>das Bild &quot;%1&quot; von Ort %2 in Locations ist nicht lesbar</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>LocationSettings</name>
    <message>
        <source>the character &quot;,&quot;</source>
        <translation>das Zeichen „,“</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot;</source>
        <translation>den Schlüssel „%1“</translation>
    </message>
    <message>
        <source>the character %1, which an 8-bit text file cannot store</source>
        <translation>das Zeichen %1, das eine 8-Bit-Textdatei nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>LocationsDocument</name>
    <message>
        <source>picture file name</source>
        <translation>der Bilddateiname</translation>
    </message>
    <message>
        <source>text</source>
        <translation>der Text</translation>
    </message>
    <message>
        <source>The settings were not saved: the %1 of Location %2, &quot;%3&quot;, holds %4, which &quot;%5&quot; cannot store.

Change it and save again.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: %1 von Ort %2, „%3“, enthält %4, was „%5“ nicht speichern kann.

Ändern Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The settings were not saved, because saving would replace the other settings of &quot;%1&quot;, which could not be read when this window opened:
%2

Close the window and open it again once the file can be read.</source>
        <translation>Die Einstellungen wurden nicht gespeichert, denn das Speichern würde die übrigen Einstellungen von „%1“ ersetzen, die beim Öffnen dieses Fensters nicht gelesen werden konnten:
%2

Schließen Sie das Fenster und öffnen Sie es wieder, sobald die Datei lesbar ist.</translation>
    </message>
    <message>
        <source>

The settings were not saved.</source>
        <translation>

Die Einstellungen wurden nicht gespeichert.</translation>
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
    <message>
        <source>The name &quot;%1&quot; cannot be stored in %2: it holds %3. Rename the picture and open it again. Nothing was copied.</source>
        <translation>Der Name „%1“ kann nicht in %2 gespeichert werden: Er enthält %3. Benennen Sie das Bild um und öffnen Sie es erneut. Es wurde nichts kopiert.</translation>
    </message>
</context>
<context>
    <name>MemoryEd</name>
    <message>
        <source>Error!!</source>
        <translation>Fehler!!</translation>
    </message>
    <message>
        <source>MEM Files (*.mem)</source>
        <translation>MEM-Dateien (*.mem)</translation>
    </message>
    <message>
        <source>QAS Files (*.qas)</source>
        <translation>QAS-Dateien (*.qas)</translation>
    </message>
    <message>
        <source>Personality Editor</source>
        <translation>Persönlichkeits-Editor</translation>
    </message>
    <message>
        <source>&amp;Load Personality</source>
        <translation>Persönlichkeit &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Personality</source>
        <translation>Persönlichkeit &amp;speichern</translation>
    </message>
    <message>
        <source>Save &amp;Personality As...</source>
        <translation>&amp;Persönlichkeit sichern als...</translation>
    </message>
    <message>
        <source>Save Q/A &amp;As...</source>
        <translation>F/A speichern &amp;als...</translation>
    </message>
    <message>
        <source>Question/Answer</source>
        <translation>Frage/Antwort</translation>
    </message>
    <message>
        <source>Use 2nd  Person (You,Your)</source>
        <translation>2. Person verwenden (Du, Dein)</translation>
    </message>
    <message>
        <source>Personalities</source>
        <translation>Persönlichkeiten</translation>
    </message>
    <message>
        <source>The personalities in the program folder. Load Personality loads the chosen one.</source>
        <translation>Die Persönlichkeiten im Programmordner. Persönlichkeit laden lädt die gewählte.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Shows the memory.</source>
        <translation>Zeigt das Gedächtnis.</translation>
    </message>
    <message>
        <source>Shows the questions and answers.</source>
        <translation>Zeigt die Fragen und Antworten.</translation>
    </message>
    <message>
        <source>Use 2nd Person (You,Your)</source>
        <translation>2. Person verwenden (Du, Dein)</translation>
    </message>
    <message>
        <source>Statements and questions from the entry line are turned into the second person.</source>
        <translation>Aussagen und Fragen aus der Eingabezeile werden in die zweite Person gesetzt.</translation>
    </message>
    <message>
        <source>Writes the memory as plain text into the program folder.</source>
        <translation>Schreibt das Gedächtnis als reinen Text in den Programmordner.</translation>
    </message>
    <message>
        <source>Writes the questions and answers as plain text into the program folder.</source>
        <translation>Schreibt die Fragen und Antworten als reinen Text in den Programmordner.</translation>
    </message>
    <message>
        <source>Entry indicator</source>
        <translation>Eingabeanzeige</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Gedächtnis</translation>
    </message>
    <message>
        <source>Questions and answers</source>
        <translation>Fragen und Antworten</translation>
    </message>
    <message>
        <source>New statement</source>
        <translation>Neue Aussage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>New question</source>
        <translation>Neue Frage</translation>
    </message>
    <message>
        <source>Press Enter to add it.</source>
        <translation>Mit Enter hinzufügen.</translation>
    </message>
    <message>
        <source>Save the changes as a new personality?</source>
        <translation>Die Änderungen als neue Persönlichkeit speichern?</translation>
    </message>
    <message>
        <source>Save the changes to the personality &quot;%1&quot;?</source>
        <translation>Die Änderungen an der Persönlichkeit „%1“ speichern?</translation>
    </message>
    <message>
        <source>Personality Saved</source>
        <translation>Persönlichkeit gespeichert</translation>
    </message>
    <message>
        <source>A personality needs a name in front of &quot;.mem&quot;. Nothing was saved.</source>
        <translation>Eine Persönlichkeit braucht einen Namen vor „.mem“. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>PartCutOut</name>
    <message>
        <source>The scene has no background to compare &quot;%1&quot; with.</source>
        <translation>Die Szene hat keinen Hintergrund, mit dem sich „%1“ vergleichen ließe.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded</source>
        <translation>„%1“ kann nicht geschrieben werden: Das Bild ließ sich nicht kodieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, the background %4 x %5: a full picture of the scene must be exactly as large as the background.</source>
        <translation>„%1“ hat %2 x %3 Pixel, der Hintergrund %4 x %5: Ein Gesamtbild der Szene muss genau so groß sein wie der Hintergrund.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; differs from the background only by noise (no patch of %2 pixels or more by more than the tolerance %3).</source>
        <translation>„%1“ unterscheidet sich vom Hintergrund nur durch Rauschen (keine Fläche von %2 Pixeln oder mehr weicht um mehr als die Toleranz %3 ab).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the same as the background: nothing differs to cut out.</source>
        <translation>„%1“ gleicht dem Hintergrund: Es gibt keinen Unterschied zum Ausschneiden.</translation>
    </message>
</context>
<context>
    <name>PartStrip</name>
    <message>
        <source>A strip needs two frames or more.</source>
        <translation>Ein Streifen braucht zwei Bilder oder mehr.</translation>
    </message>
    <message>
        <source>A strip takes at most %1 frames, not %2.</source>
        <translation>Ein Streifen fasst höchstens %1 Bilder, nicht %2.</translation>
    </message>
    <message>
        <source>%1 frames %2 pixels wide make a strip wider than %3 pixels.</source>
        <translation>%1 Bilder mit %2 Pixeln Breite ergeben einen Streifen breiter als %3 Pixel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no picture.</source>
        <translation>„%1“ enthält kein Bild.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, &quot;%4&quot; %5 x %6: every frame of a strip must be the same size.</source>
        <translation>„%1“ hat %2 x %3 Pixel, „%4“ %5 x %6: Alle Bilder eines Streifens müssen gleich groß sein.</translation>
    </message>
</context>
<context>
    <name>PersonalWordList</name>
    <message>
        <source>There is no place to keep the personal word list.</source>
        <translation>Es gibt keinen Ort für das persönliche Wörterbuch.</translation>
    </message>
    <message>
        <source>Cannot make the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>PersonalityCheck</name>
    <message>
        <source>a load and a save would not give this file back as it is: it changes from this line on</source>
        <translation>Laden und Speichern gäben diese Datei nicht unverändert zurück: sie ändert sich ab dieser Zeile</translation>
    </message>
    <message>
        <source>the memory text holds &quot;%1&quot;: after a save, the next load takes it for the start of that section</source>
        <translation>der Gedächtnistext enthält &quot;%1&quot;: nach dem Speichern hält das nächste Laden dies für den Beginn dieses Abschnitts</translation>
    </message>
    <message>
        <source>Save Personality would refuse the texts of this file</source>
        <translation>&quot;Persönlichkeit speichern&quot; würde die Texte dieser Datei ablehnen</translation>
    </message>
    <message>
        <source>the question %1 has no answer</source>
        <translation>die Frage %1 hat keine Antwort</translation>
    </message>
    <message>
        <source>the answer to %1 has no closing &quot;%&quot;</source>
        <translation>der Antwort auf %1 fehlt das schließende &quot;%&quot;</translation>
    </message>
    <message>
        <source>the answer %1 has no question</source>
        <translation>die Antwort %1 hat keine Frage</translation>
    </message>
    <message>
        <source>the question/answer file &quot;%1&quot; is missing, so the personality does not load</source>
        <translation>die Frage/Antwort-Datei &quot;%1&quot; fehlt, daher lädt die Persönlichkeit nicht</translation>
    </message>
</context>
<context>
    <name>PersonalityDocument</name>
    <message>
        <source>The Personality&apos;s .qas file is missing! Unable to load Personality. Sorry!</source>
        <translation>Die .qas-Datei der Persönlichkeit fehlt! Die Persönlichkeit kann nicht geladen werden. Bedauere!</translation>
    </message>
    <message>
        <source>
Unable to load Personality.</source>
        <translation>
Die Persönlichkeit kann nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>PersonalityFile</name>
    <message>
        <source>Line %1 of the memory text reads &quot;%2&quot;. The next load would take it for the start of the &quot;%3&quot; section, and the words of that section would be lost. Change or remove that line and save again. Nothing was written.</source>
        <translation>Zeile %1 des Gedächtnistexts lautet „%2“. Das nächste Laden hielte sie für den Anfang des Abschnitts „%3“, und die Wörter dieses Abschnitts gingen verloren. Ändern oder entfernen Sie diese Zeile und speichern Sie erneut. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>which an 8-bit text file cannot store</source>
        <translation>das eine 8-Bit-Textdatei nicht speichern kann</translation>
    </message>
    <message>
        <source>which the memory file uses for a line break: it would come back as a line break</source>
        <translation>das die Gedächtnisdatei für einen Zeilenumbruch verwendet: Es käme als Zeilenumbruch zurück</translation>
    </message>
    <message>
        <source>which the personality&apos;s files use for &quot;%1&quot;: it would come back as &quot;%1&quot;</source>
        <translation>das die Dateien der Persönlichkeit für „%1“ verwenden: Es käme als „%1“ zurück</translation>
    </message>
    <message>
        <source>
Neither file of the Personality was written.</source>
        <translation>
Keine Datei der Persönlichkeit wurde geschrieben.</translation>
    </message>
    <message>
        <source>
Both files of the Personality are as they were.</source>
        <translation>
Beide Dateien der Persönlichkeit sind unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the text holds the character %2, %3. Remove or replace it and save again.</source>
        <translation>„%1“ wurde nicht geschrieben: Der Text enthält das Zeichen %2, %3. Entfernen oder ersetzen Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the next load would not give these texts back as they are. Nothing was written.</source>
        <translation>„%1“ wurde nicht geschrieben: Das nächste Laden gäbe diese Texte nicht so zurück, wie sie sind. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Cannot open the picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; as a picture: %2</source>
        <translation>„%1“ ist nicht als Bild lesbar: %2</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it is too large (it would take %3 MB; at most %4 MB)</source>
        <translation>Mit %1 × %2 Pixeln ist es zu groß (es bräuchte %3 MB; höchstens %4 MB)</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a %2 picture, not the %3 picture its name says</source>
        <translation>„%1“ enthält ein %2-Bild, nicht das %3-Bild, das sein Name angibt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short: the file ends inside its picture data, so the rest of the picture is missing</source>
        <translation>„%1“ ist abgeschnitten: Die Datei endet mitten in ihren Bilddaten, daher fehlt der Rest des Bildes</translation>
    </message>
</context>
<context>
    <name>PictureFolder</name>
    <message>
        <source>%1 cannot be copied: the file does not exist.</source>
        <translation>%1 kann nicht kopiert werden: Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be copied into %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
</context>
<context>
    <name>PictureSearch</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a place outside Images; it is not copied.</source>
        <translation>„%1“ nennt einen Ort außerhalb von Images; es wird nicht kopiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already there and is not replaced.</source>
        <translation>„%1“ ist schon da und wird nicht ersetzt.</translation>
    </message>
</context>
<context>
    <name>PlaceWindow</name>
    <message>
        <source>Position and Size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>X, pixels from the canvas&apos;s left edge</source>
        <translation>X, Pixel vom linken Rand der Fläche</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>Y, pixels from the canvas&apos;s top edge</source>
        <translation>Y, Pixel vom oberen Rand der Fläche</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Breite in Pixeln</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Height in pixels</source>
        <translation>Höhe in Pixeln</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>its first line is not that of a recovery file.</source>
        <translation>seine erste Zeile ist nicht die einer Wiederherstellungsdatei.</translation>
    </message>
    <message>
        <source>a line of its header is missing.</source>
        <translation>eine Zeile seines Kopfes fehlt.</translation>
    </message>
    <message>
        <source>its time is no time.</source>
        <translation>seine Zeit ist keine Zeit.</translation>
    </message>
    <message>
        <source>it ends before its last line.</source>
        <translation>es endet vor seiner letzten Zeile.</translation>
    </message>
    <message>
        <source>a line is neither a text nor its end.</source>
        <translation>eine Zeile ist weder ein Text noch dessen Ende.</translation>
    </message>
    <message>
        <source>a text is shorter than its count.</source>
        <translation>ein Text ist kürzer als seine Zählung.</translation>
    </message>
    <message>
        <source>something follows its last line.</source>
        <translation>nach seiner letzten Zeile folgt noch etwas.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no whole recovery file: %2</source>
        <translation>„%1“ ist keine vollständige Wiederherstellungsdatei: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryPreview</name>
    <message>
        <source>Personality</source>
        <translation>Persönlichkeit</translation>
    </message>
    <message>
        <source>Knowledge base</source>
        <translation>Wissensbasis</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
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
    <name>SceneCheck</name>
    <message>
        <source>Zumi mouth</source>
        <translation>Zumi-Mund</translation>
    </message>
    <message>
        <source>Zumi blink</source>
        <translation>Zumi-Lid</translation>
    </message>
    <message>
        <source>user mouth</source>
        <translation>User-Mund</translation>
    </message>
    <message>
        <source>user blink</source>
        <translation>User-Lid</translation>
    </message>
    <message>
        <source>miscellaneous part</source>
        <translation>Extrateil</translation>
    </message>
    <message>
        <source>%1 is no entry, and saving drops it</source>
        <translation>%1 ist kein Eintrag, und Speichern lässt es weg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read from line %2, not from this entry, and saving drops this one</source>
        <translation>&quot;%1&quot; wird aus Zeile %2 gelesen, nicht aus diesem Eintrag, und Speichern lässt diesen weg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not read without &quot;%2&quot;, and saving drops it</source>
        <translation>&quot;%1&quot; wird ohne &quot;%2&quot; nicht gelesen, und Speichern lässt es weg</translation>
    </message>
    <message>
        <source>no &quot;;&quot; ends the value of &quot;%1&quot; on its line</source>
        <translation>kein &quot;;&quot; beendet den Wert von &quot;%1&quot; in seiner Zeile</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; ends at the first &quot;;&quot;, so %2 after it is not read</source>
        <translation>der Wert von &quot;%1&quot; endet am ersten &quot;;&quot;, daher wird %2 danach nicht gelesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no picture</source>
        <translation>&quot;%1&quot; nennt kein Bild</translation>
    </message>
    <message>
        <source>the picture %1 is missing from Images</source>
        <translation>das Bild %1 fehlt in Images</translation>
    </message>
    <message>
        <source>warning: the picture %1 lies outside Images: the scene works only beside that folder</source>
        <translation>Warnung: das Bild %1 liegt außerhalb von Images: die Szene funktioniert nur neben diesem Ordner</translation>
    </message>
    <message>
        <source>the picture %1 in Images cannot be loaded: %2</source>
        <translation>das Bild %1 in Images kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>the %1 lies wholly outside the 700 x 500 canvas</source>
        <translation>der Teil %1 liegt ganz außerhalb der Fläche von 700 x 500</translation>
    </message>
    <message>
        <source>left</source>
        <comment>the canvas&apos;s left edge</comment>
        <translation>linken</translation>
    </message>
    <message>
        <source>top</source>
        <comment>the canvas&apos;s top edge</comment>
        <translation>oberen</translation>
    </message>
    <message>
        <source>right</source>
        <comment>the canvas&apos;s right edge</comment>
        <translation>rechten</translation>
    </message>
    <message>
        <source>bottom</source>
        <comment>the canvas&apos;s bottom edge</comment>
        <translation>unteren</translation>
    </message>
    <message>
        <source>the %1 reaches past the canvas&apos;s %2 edge</source>
        <translation>der Teil %1 ragt über den %2 Rand der Fläche hinaus</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list of edges</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between edges of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>the %1 reaches past the canvas&apos;s %2 edges</source>
        <translation>der Teil %1 ragt über den %2 Rand der Fläche hinaus</translation>
    </message>
    <message>
        <source>there is no &quot;BG=&quot; entry, so Frameloft keeps the background it shows</source>
        <translation>es gibt keinen Eintrag &quot;BG=&quot;, daher behält Frameloft den Hintergrund, den es zeigt</translation>
    </message>
    <message>
        <source>there is no &quot;ZM=&quot; entry, so Frameloft keeps the Zumi mouth it shows</source>
        <translation>es gibt keinen Eintrag &quot;ZM=&quot;, daher behält Frameloft den Zumi-Mund, den es zeigt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands without &quot;%2&quot;, so the %3 stays off</source>
        <translation>&quot;%1&quot; steht ohne &quot;%2&quot;, daher bleibt der Teil %3 aus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no &quot;%2&quot; entry, which saving adds</source>
        <translation>&quot;%1&quot; hat keinen Eintrag &quot;%2&quot;, den Speichern hinzufügt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing, so it reads as 0</source>
        <translation>&quot;%1&quot; fehlt und wird daher als 0 gelesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which is no number and reads as 0</source>
        <translation>&quot;%1&quot; enthält %2, das keine Zahl ist und als 0 gelesen wird</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which is read and saved as &quot;%3&quot;</source>
        <translation>&quot;%1&quot; enthält %2, das als &quot;%3&quot; gelesen und gespeichert wird</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing: its box stays empty, and saving writes its default</source>
        <translation>&quot;%1&quot; fehlt: sein Feld bleibt leer, und Speichern schreibt den Standardwert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which is no whole number</source>
        <translation>&quot;%1&quot; enthält %2, das keine ganze Zahl ist</translation>
    </message>
</context>
<context>
    <name>ScenePictureSource</name>
    <message>
        <source>No picture can have the name &quot;%1...&quot;: it is %L2 characters long.</source>
        <translation>Kein Bild kann „%1...“ heißen: Der Name ist %L2 Zeichen lang.</translation>
    </message>
</context>
<context>
    <name>ScenePreview</name>
    <message>
        <source>%1 %2 is more than %3</source>
        <translation>%1 %2 ist mehr als %3</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verz.</translation>
    </message>
    <message>
        <source>Rndm</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Frames is 0</source>
        <translation>Bilder steht auf 0</translation>
    </message>
    <message>
        <source>Speed is 0</source>
        <translation>Tempo steht auf 0</translation>
    </message>
    <message>
        <source>%1 frames do not fit into a picture %2 pixels wide</source>
        <translation>%1 Bilder passen nicht in ein Bild von %2 Pixeln Breite</translation>
    </message>
    <message>
        <source>Misc. Part is shown whole and still: %1.</source>
        <translation>Der Extrateil wird ganz und still gezeigt: %1.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 „%2“ ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>ScenePreviewOpener</name>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
</context>
<context>
    <name>ScenePreviewWindow</name>
    <message>
        <source>Scene Preview</source>
        <translation>Szenenvorschau</translation>
    </message>
    <message>
        <source>Talking</source>
        <translation>Sprechen</translation>
    </message>
    <message>
        <source>Talking animation</source>
        <translation>Sprech-Animation</translation>
    </message>
    <message>
        <source>The mouths open and close at a steady syllable rate; off: they are drawn steadily</source>
        <translation>Die Münder öffnen und schließen sich im gleichmäßigen Silbentakt; aus: Sie werden ruhig gezeichnet</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>Blinzeln</translation>
    </message>
    <message>
        <source>Blinking animation</source>
        <translation>Blinzel-Animation</translation>
    </message>
    <message>
        <source>The blink parts appear briefly now and then; off: they are drawn steadily</source>
        <translation>Die Lid-Teile erscheinen ab und zu kurz; aus: Sie werden ruhig gezeichnet</translation>
    </message>
    <message>
        <source>Misc. Part</source>
        <translation>Extrateil</translation>
    </message>
    <message>
        <source>Miscellaneous part animation</source>
        <translation>Animation des Extrateils</translation>
    </message>
    <message>
        <source>The miscellaneous part&apos;s picture is played as a strip of frames; off: it is drawn whole</source>
        <translation>Das Bild des Extrateils wird als Streifen von Einzelbildern abgespielt; aus: Es wird ganz gezeichnet</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Frames in the miscellaneous part&apos;s strip (preview only)</source>
        <translation>Bilder im Streifen des Extrateils (nur Vorschau)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Milliseconds per frame (preview only)</source>
        <translation>Millisekunden je Bild (nur Vorschau)</translation>
    </message>
    <message>
        <source>Rndm</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>One-in-N chance per second of an early run (preview only)</source>
        <translation>Eins-zu-N-Chance je Sekunde auf einen frühen Durchlauf (nur Vorschau)</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verz.</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Seconds between runs (preview only)</source>
        <translation>Sekunden zwischen den Durchläufen (nur Vorschau)</translation>
    </message>
    <message>
        <source>Animation speed:</source>
        <translation>Animationstempo:</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animationstempo</translation>
    </message>
    <message>
        <source>Per cent of real time, for every animation</source>
        <translation>Prozent der Echtzeit, für jede Animation</translation>
    </message>
    <message>
        <source>Save Frame...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Save Frame</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Saves the picture shown now as a PNG file</source>
        <translation>Speichert das gerade gezeigte Bild als PNG-Datei</translation>
    </message>
    <message>
        <source>Misc. Part, preview only:</source>
        <translation>Extrateil, nur Vorschau:</translation>
    </message>
    <message>
        <source>Say:</source>
        <translation>Sagen:</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Sagen</translation>
    </message>
    <message>
        <source>Type a line and press Enter: the talking mouths move by its syllables, then rest</source>
        <translation>Eine Zeile eingeben und Enter drücken: Die sprechenden Münder bewegen sich nach ihren Silben, dann ruhen sie</translation>
    </message>
    <message>
        <source>Scene preview, 700 by 500</source>
        <translation>Szenenvorschau, 700 mal 500</translation>
    </message>
    <message>
        <source>The background with every part of the scene, as the companion shows it</source>
        <translation>Der Hintergrund mit allen Teilen der Szene, wie die Begleiterin ihn zeigt</translation>
    </message>
    <message>
        <source>Preview status</source>
        <translation>Vorschaustatus</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>Frame saved as &quot;%1&quot;.</source>
        <translation>Bild gespeichert als „%1“.</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>The picture&apos;s size on the screen, its pixels kept sharp: + and - zoom in and out, 0 fits it to the window</source>
        <translation>Die Größe des Bildes auf dem Bildschirm, mit scharfen Pixeln: + und - vergrößern und verkleinern, 0 passt es ins Fenster ein</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
</context>
<context>
    <name>SceneRender</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded</source>
        <translation>„%1“ kann nicht geschrieben werden: Das Bild ließ sich nicht kodieren</translation>
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
    <name>SpellingCheck</name>
    <message>
        <source>&quot;%1&quot; is not in the dictionary</source>
        <translation>&quot;%1&quot; steht nicht im Wörterbuch</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the dictionary (suggestions: %2)</source>
        <translation>&quot;%1&quot; steht nicht im Wörterbuch (Vorschläge: %2)</translation>
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
    <message>
        <source>Dictionaries (*.dic)</source>
        <translation>Wörterbücher (*.dic)</translation>
    </message>
</context>
<context>
    <name>SuiteMain</name>
    <message>
        <source>Data Folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Scene Composer</source>
        <translation>Szenen-Editor</translation>
    </message>
    <message>
        <source>Starts the scene composer.</source>
        <translation>Startet den Szenen-Editor.</translation>
    </message>
    <message>
        <source>Knowledge Base</source>
        <translation>Wissensbasis</translation>
    </message>
    <message>
        <source>Shows the Knowledge Base Editor.</source>
        <translation>Zeigt den Wissensbasis-Editor.</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>Persönlichkeit</translation>
    </message>
    <message>
        <source>Shows the Personality Editor.</source>
        <translation>Zeigt den Persönlichkeits-Editor.</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>Shows the Locations window.</source>
        <translation>Zeigt das Fenster Orte.</translation>
    </message>
    <message>
        <source>The scene composer could not be started from &quot;%1&quot;.

Check that it is installed in the same folder as Mindloom.</source>
        <translation>Der Szenen-Editor konnte nicht von „%1“ gestartet werden.

Prüfen Sie, ob er im selben Ordner wie Mindloom installiert ist.</translation>
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
    <message>
        <source>(no answer)</source>
        <translation>(keine Antwort)</translation>
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
    <name>TextFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source> Its old content could not be put back.</source>
        <translation> Sein alter Inhalt ließ sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not written: the text holds the character %2, which an 8-bit text file cannot store. Remove or replace it and save again.</source>
        <translation>„%1“ wurde nicht geschrieben: Der Text enthält das Zeichen %2, das eine 8-Bit-Textdatei nicht speichern kann. Entfernen oder ersetzen Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; could not be put back as it was.</source>
        <translation> „%1“ konnte nicht wiederhergestellt werden, wie es war.</translation>
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
    <message>
        <source>--folder needs a folder.</source>
        <translation>--folder braucht einen Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>The shipped content &quot;%1&quot; is missing.</source>
        <translation>Der mitgelieferte Inhalt „%1“ fehlt.</translation>
    </message>
</context>
</TS>
