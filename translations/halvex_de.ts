<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Halvex</source>
        <translation>Über Halvex</translation>
    </message>
    <message>
        <source>Halvex - KV40 Computer Software</source>
        <translation>Halvex - KV40-Computersoftware</translation>
    </message>
    <message>
        <source>The halvex project</source>
        <translation>Das halvex-Projekt</translation>
    </message>
    <message>
        <source>Copyright © 2007, 2026</source>
        <translation>Copyright © 2007, 2026</translation>
    </message>
    <message>
        <source>Written by the halvex developers, December 2026</source>
        <translation>Von den halvex-Entwicklern, Dezember 2026</translation>
    </message>
    <message>
        <source>Version 1.06</source>
        <translation>Version 1.06</translation>
    </message>
    <message>
        <source>(8 Dec 2026)</source>
        <translation>(8. Dez. 2026)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>%s: File I/O Error ! (it is missing or cannot be read)</source>
        <translation>%s: Dateifehler! (Sie fehlt oder kann nicht gelesen werden.)</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>The computer&apos;s local time cannot be read.</source>
        <translation>Die Ortszeit des Computers kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: halvex [FILE]
       halvex send FILE [--port COMn|DEVICE] [--repeat]
       halvex show FILE
       halvex check FILE
       halvex print FILE (--pdf OUT.pdf | --printer NAME)
       halvex ports

Without a command, halvex opens its window (and FILE in it, as Load does); that needs a display.

Commands (no window, no display needed). FILE must be a program file of exactly 200 bytes:
  send FILE    stamp the date and time into the program of FILE and send it to the clock as
               &quot;Send to Clock&quot; does. On a terminal the progress (&quot;byte n of 123&quot;) is shown;
               at the end one line says how the send ended (&quot;sent 123 bytes to /dev/ttyUSB0
               in 2.1 s&quot;, or the reason for a failure), all on standard error. --port names
               the port: COM1..COM8 or a device such as /dev/ttyUSB0; default: the port of
               halvex.dat. --repeat sends to one clock after another: Enter sends again with a
               fresh stamp, q ends.
  show FILE    the status line, the step lines and the annual lines as the window shows them.
  check FILE   the program checks of the week chart, one finding a line.
  print FILE   the report File &gt; Print prints, into a PDF file (--pdf, never the program file
               itself) or to a printer by name (--printer), with no dialog.
  ports        the serial devices COM Settings offers, one a line: the name to give --port,
               the device it is now and an adapter&apos;s maker and model, separated by tabs.

Options:
  -h, --help     show this text
  -v, --version  show the version

Exit status: 0 done; 1 a command used wrongly, check found something, or print or the
output failed; 2 FILE is no program file or cannot be read; send: 3 the port is unavailable
or unknown, 4 the clock did not answer. A send ended by SIGTERM, SIGINT or SIGHUP leaves the
lines at rest and ends by that signal.
</source>
        <translation>Aufruf: halvex [DATEI]
        halvex send DATEI [--port COMn|GERÄT] [--repeat]
        halvex show DATEI
        halvex check DATEI
        halvex print DATEI (--pdf AUSGABE.pdf | --printer NAME)
        halvex ports

Ohne Befehl öffnet halvex sein Fenster (und DATEI darin, wie Laden sie lädt); dazu braucht es
eine Anzeige.

Befehle (kein Fenster, keine Anzeige nötig). DATEI muss eine Programmdatei von genau 200 Bytes
sein:
  send DATEI   stempelt Datum und Uhrzeit in das Programm von DATEI und sendet es an die Uhr,
               wie „An Uhr senden“ es tut. Auf einem Terminal wird der Fortschritt gezeigt
               („Byte n von 123“); am Ende sagt eine Zeile, wie das Senden ausging („123 Bytes
               in 2,1 s an /dev/ttyUSB0 gesendet“ oder der Grund eines Fehlers), alles auf der
               Standardfehlerausgabe. --port nennt den Port: COM1..COM8 oder ein Gerät wie
               /dev/ttyUSB0; Vorgabe: der Port aus halvex.dat. --repeat sendet an eine Uhr nach
               der anderen: Eingabe sendet erneut mit frischem Stempel, q beendet.
  show DATEI   die Statuszeile, die Schrittzeilen und die Jahresplanzeilen, wie das Fenster sie
               zeigt.
  check DATEI  die Programmprüfungen der Wochenübersicht, ein Befund je Zeile.
  print DATEI  der Bericht, den Datei &gt; Drucken druckt, in eine PDF-Datei (--pdf, nie die
               Programmdatei selbst) oder auf einen Drucker mit Namen (--printer), ohne Dialog.
  ports        die seriellen Geräte, die die COM-Einstellungen anbieten, eins je Zeile: der Name
               für --port, das Gerät, das es gerade ist, und Hersteller und Modell eines
               Adapters, durch Tabulatoren getrennt.

Optionen:
  -h, --help     diesen Text zeigen
  -v, --version  die Version zeigen

Rückgabewert: 0 erledigt; 1 ein Befehl falsch verwendet, check hat etwas gefunden, oder print
oder die Ausgabe ist fehlgeschlagen; 2 DATEI ist keine Programmdatei oder nicht lesbar; send:
3 der Port ist nicht verfügbar oder unbekannt, 4 die Uhr hat nicht geantwortet. Ein Senden, das
SIGTERM, SIGINT oder SIGHUP beendet, lässt die Leitungen in Ruhe und endet durch dieses Signal.
</translation>
    </message>
    <message>
        <source>the output could not be written: %s</source>
        <translation>die Ausgabe konnte nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>%s is given twice</source>
        <translation>%s ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%s needs a value</source>
        <translation>%s braucht einen Wert</translation>
    </message>
    <message>
        <source>no option %s here</source>
        <translation>hier gibt es keine Option %s</translation>
    </message>
    <message>
        <source>%s takes one FILE</source>
        <translation>%s erwartet genau eine DATEI</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--port &quot;%s&quot; is no port: name COM1 to COM8, or a device such as /dev/ttyUSB0</source>
        <translation>--port „%s“ ist kein Port: nennen Sie COM1 bis COM8 oder ein Gerät wie /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>print: give either --pdf OUT.pdf or --printer NAME</source>
        <translation>print: geben Sie entweder --pdf AUSGABE.pdf oder --printer NAME an</translation>
    </message>
    <message>
        <source>print: --pdf and --printer need a name</source>
        <translation>print: --pdf und --printer brauchen einen Namen</translation>
    </message>
    <message>
        <source>%s is the program file itself: name another file for the PDF.</source>
        <translation>%s ist die Programmdatei selbst: nennen Sie eine andere Datei für das PDF.</translation>
    </message>
    <message>
        <source>no option %s</source>
        <translation>keine Option %s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is no command: the commands are send, show, check, print and ports</source>
        <translation>„%s“ ist kein Befehl: die Befehle sind send, show, check, print und ports</translation>
    </message>
    <message>
        <source>there is no display to open the window on (DISPLAY is not set). send, show, check, print and ports need none: see halvex --help.</source>
        <translation>es gibt keine Anzeige, auf der sich das Fenster öffnen ließe (DISPLAY ist nicht gesetzt). send, show, check, print und ports brauchen keine: siehe halvex --help.</translation>
    </message>
    <message>
        <source>ports takes no argument</source>
        <translation>ports erwartet kein Argument</translation>
    </message>
    <message>
        <source>no serial device found</source>
        <translation>kein serielles Gerät gefunden</translation>
    </message>
    <message>
        <source>the printer could not be loaded: %s</source>
        <translation>der Drucker konnte nicht geladen werden: %s</translation>
    </message>
</context>
<context>
    <name>EraseDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Erase all steps</source>
        <translation>Alle Schritte löschen</translation>
    </message>
    <message>
        <source>Erase all annuals</source>
        <translation>Alle Jahrespläne löschen</translation>
    </message>
    <message>
        <source>Erase ?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>Erase All?</source>
        <translation>Alles löschen?</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Annuals</source>
        <translation>Jahrespläne</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Kv40Comp Data Files [*.40t] (*.40t);;All Files [*.*] (*)</source>
        <translation>Kv40Comp-Datendateien [*.40t] (*.40t);;Alle Dateien [*.*] (*)</translation>
    </message>
    <message>
        <source>Kv40 Dos Version Files [*.qdv] (*.qdv);;All Files [*.*] (*)</source>
        <translation>Kv40-Dateien der DOS-Version [*.qdv] (*.qdv);;Alle Dateien [*.*] (*)</translation>
    </message>
    <message>
        <source>%1 is no name for a file.</source>
        <translation>%1 ist kein Name für eine Datei.</translation>
    </message>
    <message>
        <source>%1 is too long: with its &quot;.40t&quot; a path may have at most %2 characters.</source>
        <translation>%1 ist zu lang: mit der Endung „.40t“ darf ein Pfad höchstens %2 Zeichen haben.</translation>
    </message>
</context>
<context>
    <name>FileErrorDialog</name>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>File I/O Error !</source>
        <translation>Dateifehler!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>%s is %lld byte; a program file is %d.</source>
        <translation>%s ist %lld Byte groß; eine Programmdatei hat %d Bytes.</translation>
    </message>
    <message>
        <source>%s is %lld bytes; a program file is %d.</source>
        <translation>%s ist %lld Bytes groß; eine Programmdatei hat %d Bytes.</translation>
    </message>
    <message>
        <source>a loop of links</source>
        <translation>eine Schleife von Links</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>ein Link ins Leere</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>with the number %u</source>
        <translation>mit der Nummer %u</translation>
    </message>
    <message>
        <source>%s is a link that the user %s made in %s, a folder where everyone may make files. halvex follows such a link only when it is yours or the folder owner&apos;s, as Linux itself does: it could lead anywhere.</source>
        <translation>%s ist ein Link, den der Benutzer %s in %s angelegt hat, einem Ordner, in dem jeder Dateien anlegen darf. halvex folgt einem solchen Link, wie Linux selbst, nur wenn er Ihnen oder dem Besitzer des Ordners gehört: er könnte überallhin führen.</translation>
    </message>
    <message>
        <source>%s leads to %s, which is a link that the user %s made in %s, a folder where everyone may make files. halvex follows such a link only when it is yours or the folder owner&apos;s, as Linux itself does: it could lead anywhere.</source>
        <translation>%s führt zu %s, einem Link, den der Benutzer %s in %s angelegt hat, einem Ordner, in dem jeder Dateien anlegen darf. halvex folgt einem solchen Link, wie Linux selbst, nur wenn er Ihnen oder dem Besitzer des Ordners gehört: er könnte überallhin führen.</translation>
    </message>
    <message>
        <source>%s is %s, not a file: halvex reads and writes only plain files.</source>
        <translation>%s ist %s, keine Datei: halvex liest und schreibt nur gewöhnliche Dateien.</translation>
    </message>
    <message>
        <source>%s leads to %s, which is %s, not a file: halvex reads and writes only plain files.</source>
        <translation>%s führt zu %s, und das ist %s, keine Datei: halvex liest und schreibt nur gewöhnliche Dateien.</translation>
    </message>
    <message>
        <source>There is no file %s.</source>
        <translation>Es gibt keine Datei %s.</translation>
    </message>
    <message>
        <source>You may not read %s.</source>
        <translation>Sie dürfen %s nicht lesen.</translation>
    </message>
    <message>
        <source>%s could not be opened.</source>
        <translation>%s konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>You may not write %s.</source>
        <translation>Sie dürfen %s nicht schreiben.</translation>
    </message>
    <message>
        <source>There is no folder %s.</source>
        <translation>Es gibt keinen Ordner %s.</translation>
    </message>
    <message>
        <source>%s is %s, not a folder.</source>
        <translation>%s ist %s, kein Ordner.</translation>
    </message>
    <message>
        <source>No file can be made in %s: you may not write there.</source>
        <translation>In %s kann keine Datei angelegt werden: Sie dürfen dort nicht schreiben.</translation>
    </message>
    <message>
        <source>%s could not be read.</source>
        <translation>%s konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%s could not be written completely (is the disk full?). The file that was there is kept as it was.</source>
        <translation>%s konnte nicht vollständig geschrieben werden (ist der Datenträger voll?). Die Datei, die dort war, bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The new %s could not take the old one&apos;s place. The file that was there is kept as it was.</source>
        <translation>Die neue Datei %s konnte nicht an die Stelle der alten treten. Die Datei, die dort war, bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>%s could not be removed.</source>
        <translation>%s konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>LayoutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Configure Sets Buffer</source>
        <translation>Programmspeicher einrichten</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Aufteilung wählen</translation>
    </message>
    <message>
        <source>16 Steps, 10 Annuals</source>
        <translation>16 Schritte, 10 Jahrespläne</translation>
    </message>
    <message>
        <source>30 Steps, 3 Annuals</source>
        <translation>30 Schritte, 3 Jahrespläne</translation>
    </message>
    <message>
        <source>Changing this configuration
can corrupt data.  After
Changing, review sets carefully</source>
        <translation>Eine andere Aufteilung kann
Daten verfälschen. Danach alle
Einträge sorgfältig prüfen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halvex - KV40 Computer Software, 2007 DST Law[*]</source>
        <translation>Halvex - KV40-Computersoftware, Sommerzeitregel 2007[*]</translation>
    </message>
    <message>
        <source>the COM port is not kept: %1</source>
        <translation>der COM-Port wird nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Step relay</source>
        <translation>Relais des Schritts</translation>
    </message>
    <message>
        <source>Step number</source>
        <translation>Schrittnummer</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Step list</source>
        <translation>Schrittliste</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Erases the steps, the annuals or both</source>
        <translation>Löscht die Schritte, die Jahrespläne oder beides</translation>
    </message>
    <message>
        <source>Configure Buffer</source>
        <translation>Speicher einrichten</translation>
    </message>
    <message>
        <source>Chooses 16 steps and 10 annuals, or 30 steps and 3 annuals</source>
        <translation>Wählt 16 Schritte und 10 Jahrespläne oder 30 Schritte und 3 Jahrespläne</translation>
    </message>
    <message>
        <source>Annual number</source>
        <translation>Nummer des Jahresplans</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Anfangsmonat</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Anfangstag</translation>
    </message>
    <message>
        <source>Start year</source>
        <translation>Anfangsjahr</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Endmonat</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Endtag</translation>
    </message>
    <message>
        <source>End year</source>
        <translation>Endjahr</translation>
    </message>
    <message>
        <source>Annual list</source>
        <translation>Liste der Jahrespläne</translation>
    </message>
    <message>
        <source>Status relay</source>
        <translation>Relais im Status</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>Program Steps</source>
        <translation>Programmschritte</translation>
    </message>
    <message>
        <source>Am/Pm</source>
        <translation>Am/Pm</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Step #</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Skip Plans (Annuals)</source>
        <translation>Ausnahmezeiträume (Jahrespläne)</translation>
    </message>
    <message>
        <source>Annual #</source>
        <translation>Plan-Nr.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Status...</source>
        <translation>Status...</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>EL Lamp</source>
        <translation>EL-Lampe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>&amp;Recover Unsaved Program…</source>
        <translation>&amp;Ungesichertes Programm wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Week Chart</source>
        <translation>&amp;Wochenübersicht</translation>
    </message>
    <message>
        <source>&amp;Communicate</source>
        <translation>&amp;Uhr</translation>
    </message>
    <message>
        <source>&amp;Send to Clock</source>
        <translation>&amp;An Uhr senden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Utilities</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Load DOS Version File...</source>
        <translation>&amp;Datei der DOS-Version laden...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help (pdf)...</source>
        <translation>&amp;Hilfe (PDF)...</translation>
    </message>
    <message>
        <source>&amp;Service...</source>
        <translation>&amp;Service...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Halvex...</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Nicht angeschlossen: %1</translation>
    </message>
    <message>
        <source>Unplugged: %1 (%2)</source>
        <translation>Nicht angeschlossen: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), now %3</source>
        <translation>%1 (%2), jetzt %3</translation>
    </message>
    <message>
        <source> It is not plugged in.</source>
        <translation> Das Gerät ist nicht angeschlossen.</translation>
    </message>
    <message>
        <source>COM%1 reaches no device: the choice made for it cannot be read.</source>
        <translation>COM%1 führt zu keinem Gerät: die Wahl dafür kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2, set by %3 for this run.</source>
        <translation>COM%1 führt zu %2, für diesen Lauf gesetzt durch %3.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2, the computer&apos;s own serial port.</source>
        <translation>COM%1 führt zu %2, der eigenen seriellen Schnittstelle des Computers.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2, which is not plugged in.</source>
        <translation>COM%1 führt zu %2, das nicht angeschlossen ist.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2.</source>
        <translation>COM%1 führt zu %2.</translation>
    </message>
    <message>
        <source> That is %1 now.</source>
        <translation> Das ist jetzt %1.</translation>
    </message>
    <message>
        <source>COM Settings</source>
        <translation>COM-Einstellungen</translation>
    </message>
    <message>
        <source>ComPort</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>&amp;Built-in Port</source>
        <translation>&amp;Eingebauter Port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: %1 The COM port is neither read from it nor kept in it: the one chosen here holds until halvex ends.</source>
        <translation>Warnung: %1 Der COM-Port wird weder aus dieser Datei gelesen noch in ihr gespeichert: der hier gewählte gilt, bis halvex beendet wird.</translation>
    </message>
    <message>
        <source>Warning: %1 The device chosen for each COM port is neither read from it nor kept in it: a choice made here holds until halvex ends, and a COM port without one reaches no device.</source>
        <translation>Warnung: %1 Das für jeden COM-Port gewählte Gerät wird weder aus dieser Datei gelesen noch in ihr gespeichert: eine hier getroffene Wahl gilt, bis halvex beendet wird, und ein COM-Port ohne Wahl führt zu keinem Gerät.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>the report could not be made (is the disk full?); %s is left as it was.</source>
        <translation>der Bericht konnte nicht erstellt werden (ist der Datenträger voll?); %s bleibt unverändert.</translation>
    </message>
    <message>
        <source>no scratch folder for the report: %1</source>
        <translation>kein temporärer Ordner für den Bericht: %1</translation>
    </message>
</context>
<context>
    <name>ProgramChanges</name>
    <message>
        <source>the unsaved program cannot be kept in %1</source>
        <translation>das ungesicherte Programm kann nicht in %1 aufbewahrt werden</translation>
    </message>
</context>
<context>
    <name>ProgramChecks</name>
    <message>
        <source>Step %02d: </source>
        <translation>Schritt %02d: </translation>
    </message>
    <message>
        <source>Annual %02d: </source>
        <translation>Jahresplan %02d: </translation>
    </message>
    <message>
        <source>step %02d</source>
        <translation>Schritt %02d</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%s, relay Off</source>
        <translation>%s, Relais Aus</translation>
    </message>
    <message>
        <source>%s, relay On</source>
        <translation>%s, Relais Ein</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>switches Off at %s on %s, the same minute as step %02d switches On; which wins on the clock is unknown</source>
        <translation>schaltet am %2$s um %1$s aus, in derselben Minute, in der Schritt %3$02d einschaltet; welcher auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>switches On at %s on %s, the same minute as step %02d switches Off; which wins on the clock is unknown</source>
        <translation>schaltet am %2$s um %1$s ein, in derselben Minute, in der Schritt %3$02d ausschaltet; welcher auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>never changes anything: the relay is already Off at %s on each of its days, switched Off before by %s</source>
        <translation>ändert nie etwas: das Relais ist an jedem seiner Tage um %s schon aus, zuvor ausgeschaltet von %s</translation>
    </message>
    <message>
        <source>never changes anything: the relay is already On at %s on each of its days, switched On before by %s</source>
        <translation>ändert nie etwas: das Relais ist an jedem seiner Tage um %s schon ein, zuvor eingeschaltet von %s</translation>
    </message>
    <message>
        <source>never changes anything: on each of its days the relay is switched Off at the same minute (%s) by %s</source>
        <translation>ändert nie etwas: an jedem seiner Tage wird das Relais in derselben Minute (%s) von %s ausgeschaltet</translation>
    </message>
    <message>
        <source>never changes anything: on each of its days the relay is switched On at the same minute (%s) by %s</source>
        <translation>ändert nie etwas: an jedem seiner Tage wird das Relais in derselben Minute (%s) von %s eingeschaltet</translation>
    </message>
    <message>
        <source>never changes anything: on each of its days the relay is already Off at %s or switched Off at that minute, by %s</source>
        <translation>ändert nie etwas: an jedem seiner Tage ist das Relais um %s schon aus oder wird in dieser Minute ausgeschaltet, von %s</translation>
    </message>
    <message>
        <source>never changes anything: on each of its days the relay is already On at %s or switched On at that minute, by %s</source>
        <translation>ändert nie etwas: an jedem seiner Tage ist das Relais um %s schon ein oder wird in dieser Minute eingeschaltet, von %s</translation>
    </message>
    <message>
        <source>never changes anything: no other step switches the relay, and the status Relay setting keeps it Off</source>
        <translation>ändert nie etwas: kein anderer Schritt schaltet das Relais, und die Status-Einstellung Relais hält es ausgeschaltet</translation>
    </message>
    <message>
        <source>never changes anything: no other step switches the relay, and the status Relay setting keeps it On</source>
        <translation>ändert nie etwas: kein anderer Schritt schaltet das Relais, und die Status-Einstellung Relais hält es eingeschaltet</translation>
    </message>
    <message>
        <source>whether it changes anything depends on %s, which switch at the same minute before it; which wins on the clock is unknown</source>
        <translation>ob er etwas ändert, hängt von %s ab, die in derselben Minute vor ihm schalten; welcher auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>hour 0x%02X is not packed BCD (the list shows it as %d); the chart leaves the step out</source>
        <translation>Stunde 0x%02X ist kein gepacktes BCD (die Liste zeigt sie als %d); die Übersicht lässt den Schritt weg</translation>
    </message>
    <message>
        <source>hour %d is no hour of the clock; the chart leaves the step out</source>
        <translation>Stunde %d ist keine Stunde der Uhr; die Übersicht lässt den Schritt weg</translation>
    </message>
    <message>
        <source>minute 0x%02X is not packed BCD (the list shows it as %d); the chart leaves the step out</source>
        <translation>Minute 0x%02X ist kein gepacktes BCD (die Liste zeigt sie als %d); die Übersicht lässt den Schritt weg</translation>
    </message>
    <message>
        <source>minute %d is no minute of the clock; the chart leaves the step out</source>
        <translation>Minute %d ist keine Minute der Uhr; die Übersicht lässt den Schritt weg</translation>
    </message>
    <message>
        <source>day byte 0x%02X is no day code; the step list will rewrite it to 0x%02X (%s)</source>
        <translation>Tagesbyte 0x%02X ist kein Tagescode; die Schrittliste wird es in 0x%02X (%s) umschreiben</translation>
    </message>
    <message>
        <source>day byte 0x%02X was no day code; the step list rewrote it to 0x%02X (%s)</source>
        <translation>Tagesbyte 0x%02X war kein Tagescode; die Schrittliste hat es in 0x%02X (%s) umgeschrieben</translation>
    </message>
    <message>
        <source>start year is left blank</source>
        <translation>Anfangsjahr ist leer gelassen</translation>
    </message>
    <message>
        <source>start month 0x%02X is not packed BCD (the list shows it as %d)</source>
        <translation>Anfangsmonat 0x%02X ist kein gepacktes BCD (die Liste zeigt ihn als %d)</translation>
    </message>
    <message>
        <source>start month %d is no month</source>
        <translation>Anfangsmonat %d ist kein Monat</translation>
    </message>
    <message>
        <source>start day 0x%02X is not packed BCD (the list shows it as %d)</source>
        <translation>Anfangstag 0x%02X ist kein gepacktes BCD (die Liste zeigt ihn als %d)</translation>
    </message>
    <message>
        <source>start day is left blank</source>
        <translation>Anfangstag ist leer gelassen</translation>
    </message>
    <message>
        <source>start day %d is no day</source>
        <translation>Anfangstag %d ist kein Tag</translation>
    </message>
    <message>
        <source>start year 0x%02X is not packed BCD (the list shows it as %d)</source>
        <translation>Anfangsjahr 0x%02X ist kein gepacktes BCD (die Liste zeigt es als %d)</translation>
    </message>
    <message>
        <source>start date %02d/%02d/%02d does not exist</source>
        <translation>Anfangsdatum %02d/%02d/%02d gibt es nicht</translation>
    </message>
    <message>
        <source>end month 0x%02X is not packed BCD (the list shows it as %d)</source>
        <translation>Endmonat 0x%02X ist kein gepacktes BCD (die Liste zeigt ihn als %d)</translation>
    </message>
    <message>
        <source>end month %d is no month</source>
        <translation>Endmonat %d ist kein Monat</translation>
    </message>
    <message>
        <source>end day 0x%02X is not packed BCD (the list shows it as %d)</source>
        <translation>Endtag 0x%02X ist kein gepacktes BCD (die Liste zeigt ihn als %d)</translation>
    </message>
    <message>
        <source>end day is left blank</source>
        <translation>Endtag ist leer gelassen</translation>
    </message>
    <message>
        <source>end day %d is no day</source>
        <translation>Endtag %d ist kein Tag</translation>
    </message>
    <message>
        <source>end year 0x%02X is not packed BCD (the list shows it as %d)</source>
        <translation>Endjahr 0x%02X ist kein gepacktes BCD (die Liste zeigt es als %d)</translation>
    </message>
    <message>
        <source>end date %02d/%02d/%02d does not exist</source>
        <translation>Enddatum %02d/%02d/%02d gibt es nicht</translation>
    </message>
    <message>
        <source>ends (%02d/%02d/%02d) before it starts (%02d/%02d/%02d)</source>
        <translation>endet (%02d/%02d/%02d), bevor er beginnt (%02d/%02d/%02d)</translation>
    </message>
</context>
<context>
    <name>ProgramOverview</name>
    <message>
        <source>Annual %02d: skip %s – %s</source>
        <translation>Jahresplan %02d: ausgesetzt %s – %s</translation>
    </message>
    <message>
        <source>Annual %02d: skip %s – %s (ends before it starts)</source>
        <translation>Jahresplan %02d: ausgesetzt %s – %s (endet, bevor er beginnt)</translation>
    </message>
    <message>
        <source>%d %s 20%02d</source>
        <translation>%d. %s 20%02d</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%02d/%02d/%02d (no such date)</source>
        <translation>%02d/%02d/%02d (kein gültiges Datum)</translation>
    </message>
    <message>
        <source>DST: %s, Relay: %s, EL Lamp: %s, Pulse: %s</source>
        <translation>Sommerzeit: %s, Relais: %s, EL-Lampe: %s, Impuls: %s</translation>
    </message>
    <message>
        <source>neither (byte 0x%02X)</source>
        <translation>weder noch (Byte 0x%02X)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>steps used %d of %d, annuals used %d of %d</source>
        <translation>Schritte belegt: %d von %d, Jahrespläne belegt: %d von %d</translation>
    </message>
</context>
<context>
    <name>QtPrintJob</name>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer could not print the report.</source>
        <translation>Der Drucker konnte den Bericht nicht drucken.</translation>
    </message>
    <message>
        <source>The printer could not finish the print job.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht abschließen.</translation>
    </message>
</context>
<context>
    <name>RecoverDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Programs left unsaved</source>
        <translation>Ungesicherte Programme</translation>
    </message>
    <message>
        <source>Recover Unsaved Program</source>
        <translation>Ungesichertes Programm wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Programs left unsaved:</source>
        <translation>&amp;Ungesichert gebliebene Programme:</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>Über&amp;nehmen</translation>
    </message>
</context>
<context>
    <name>RunGuarded</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>sent %d bytes to %s in %lld.%lld s</source>
        <translation>%1$d Bytes in %3$lld,%4$lld s an %2$s gesendet</translation>
    </message>
    <message>
        <source>Connect the next clock and press Enter (q to end): </source>
        <translation>Nächste Uhr anschließen und die Eingabetaste drücken (q zum Beenden): </translation>
    </message>
    <message>
        <source>Press Enter to send to the next clock, or q and Enter to end: </source>
        <translation>Eingabetaste drücken, um an die nächste Uhr zu senden, oder q und Eingabetaste zum Beenden: </translation>
    </message>
    <message>
        <source>%s So the clock&apos;s port is unknown: name it with --port.</source>
        <translation>%s Daher ist der Port der Uhr unbekannt: nennen Sie ihn mit --port.</translation>
    </message>
    <message>
        <source>clock %d: </source>
        <translation>Uhr %d: </translation>
    </message>
    <message>
        <source>Serial Transfer Error ! %s</source>
        <translation>Übertragungsfehler! %s</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>byte %d of %d</source>
        <translation>Byte %d von %d</translation>
    </message>
</context>
<context>
    <name>SendProgressDialog</name>
    <message>
        <source>Send to Clock</source>
        <translation>An Uhr senden</translation>
    </message>
    <message>
        <source>Sending to %1</source>
        <translation>Senden an %1</translation>
    </message>
    <message>
        <source>byte %1 of %2</source>
        <translation>Byte %1 von %2</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Service and clock programming:</source>
        <translation>Service und Programmierung der Uhren:</translation>
    </message>
    <message>
        <source>Halvex Service Desk</source>
        <translation>Halvex-Servicestelle</translation>
    </message>
    <message>
        <source>Example Town</source>
        <translation>Musterstadt</translation>
    </message>
    <message>
        <source>Tel. 555-0142</source>
        <translation>Tel. 555-0142</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>The halvex project</source>
        <translation>Das halvex-Projekt</translation>
    </message>
    <message>
        <source>Tel. 555-0199</source>
        <translation>Tel. 555-0199</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>There is no COM%d to choose.</source>
        <translation>Es gibt kein COM%d zur Auswahl.</translation>
    </message>
</context>
<context>
    <name>TransferErrorDialog</name>
    <message>
        <source>Serial Transfer Error !</source>
        <translation>Übertragungsfehler!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TransferFailure</name>
    <message>
        <source>%s has no serial port behind it.</source>
        <translation>Hinter %s steht keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>%s does not exist: is the adapter plugged in?</source>
        <translation>%s gibt es nicht: ist der Adapter angeschlossen?</translation>
    </message>
    <message>
        <source>%s is %s, which has no serial port behind it; a USB adapter is at %s: choose it in Settings</source>
        <translation>%s ist %s, und dahinter steht keine serielle Schnittstelle; ein USB-Adapter ist an %s: wählen Sie ihn unter Einstellungen</translation>
    </message>
    <message>
        <source>%s is %s, which has no serial port behind it. Plug in the USB serial adapter and choose it in Settings.</source>
        <translation>%s ist %s, und dahinter steht keine serielle Schnittstelle. Schließen Sie den USB-Seriell-Adapter an und wählen Sie ihn unter Einstellungen.</translation>
    </message>
    <message>
        <source>%s is %s, which does not exist: is the adapter plugged in?</source>
        <translation>%s ist %s, und das gibt es nicht: ist der Adapter angeschlossen?</translation>
    </message>
    <message>
        <source>%s is %s, which does not exist: is the adapter plugged in? A USB adapter is at %s: choose it in Settings.</source>
        <translation>%s ist %s, und das gibt es nicht: ist der Adapter angeschlossen? Ein USB-Adapter ist an %s: wählen Sie ihn unter Einstellungen.</translation>
    </message>
    <message>
        <source>You are not allowed to open %s. It belongs to the group %s. Add yourself to that group with
    sudo usermod -aG %s $USER
then log out and log in again.</source>
        <translation>Sie dürfen %s nicht öffnen. Es gehört zur Gruppe %s. Fügen Sie sich dieser Gruppe hinzu mit
    sudo usermod -aG %s $USER
und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>You are not allowed to open %s. Ask whoever looks after this computer for access to it.</source>
        <translation>Sie dürfen %s nicht öffnen. Bitten Sie die Person, die diesen Computer betreut, um Zugriff darauf.</translation>
    </message>
    <message>
        <source>%s is held by another program. Close that program (a terminal or modem program, for example) and send again.</source>
        <translation>%s ist von einem anderen Programm belegt. Schließen Sie dieses Programm (zum Beispiel ein Terminal- oder Modemprogramm) und senden Sie erneut.</translation>
    </message>
    <message>
        <source>%s is held by another program: the lock file %s names process %ld. Close that program and send again. If that process does not use the port, the lock file is stale: remove it (see &quot;man halvex&quot;).</source>
        <translation>%s ist von einem anderen Programm belegt: die Sperrdatei %s nennt den Prozess %ld. Schließen Sie dieses Programm und senden Sie erneut. Wenn dieser Prozess den Port nicht verwendet, ist die Sperrdatei veraltet: entfernen Sie sie (siehe „man halvex“).</translation>
    </message>
    <message>
        <source>%s is held by another program: the lock file %s names process %ld (%s). Close that program and send again. If that process does not use the port, the lock file is stale: remove it (see &quot;man halvex&quot;).</source>
        <translation>%s ist von einem anderen Programm belegt: die Sperrdatei %s nennt den Prozess %ld (%s). Schließen Sie dieses Programm und senden Sie erneut. Wenn dieser Prozess den Port nicht verwendet, ist die Sperrdatei veraltet: entfernen Sie sie (siehe „man halvex“).</translation>
    </message>
    <message>
        <source>The device chosen for %s is unknown: %s Name the device with --port, or choose it again in Settings.</source>
        <translation>Das für %s gewählte Gerät ist unbekannt: %s Nennen Sie das Gerät mit --port oder wählen Sie es erneut unter Einstellungen.</translation>
    </message>
    <message>
        <source>%s is no serial port.</source>
        <translation>%s ist kein serieller Port.</translation>
    </message>
    <message>
        <source>%s could not be opened: %s.</source>
        <translation>%s konnte nicht geöffnet werden: %s.</translation>
    </message>
    <message>
        <source>The clock did not answer at all on %s. Check that the cable is plugged in at both ends and that the clock is ready to receive.</source>
        <translation>Die Uhr hat an %s überhaupt nicht geantwortet. Prüfen Sie, ob das Kabel an beiden Enden eingesteckt und die Uhr empfangsbereit ist.</translation>
    </message>
    <message>
        <source>The clock stopped answering on %s after %d of %d bytes, at handshake %d of %d: after DTR rose, CTS did not come on within %d seconds. Send again.</source>
        <translation>Die Uhr hat an %s nach %d von %d Bytes aufgehört zu antworten, bei Handshake %d von %d: nachdem DTR gesetzt wurde, kam CTS nicht innerhalb von %d Sekunden. Senden Sie erneut.</translation>
    </message>
    <message>
        <source>The clock stopped answering on %s after %d of %d bytes, at handshake %d of %d: after DTR fell, CTS did not go off within %d seconds. Send again.</source>
        <translation>Die Uhr hat an %s nach %d von %d Bytes aufgehört zu antworten, bei Handshake %d von %d: nachdem DTR zurückgesetzt wurde, ging CTS nicht innerhalb von %d Sekunden weg. Senden Sie erneut.</translation>
    </message>
    <message>
        <source>CTS was on all the time on %s, so the clock could never be heard. That points to the cable or the adapter, not the clock: check the cable&apos;s wiring.</source>
        <translation>CTS war an %s die ganze Zeit gesetzt, daher war die Uhr nie zu hören. Das deutet auf das Kabel oder den Adapter hin, nicht auf die Uhr: prüfen Sie die Belegung des Kabels.</translation>
    </message>
    <message>
        <source>%s went away during the send, after %d of %d bytes. Was the adapter unplugged? Plug it in and send again.</source>
        <translation>%s ist während des Sendens verschwunden, nach %d von %d Bytes. Wurde der Adapter abgezogen? Schließen Sie ihn an und senden Sie erneut.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>%1 is damaged: it is no settings file halvex can read.</source>
        <translation>%1 ist beschädigt: halvex kann sie nicht als Einstellungsdatei lesen.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file.</source>
        <translation>%1 ist %2, keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>You may not read %1.</source>
        <translation>Sie dürfen %1 nicht lesen.</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock file.</source>
        <translation>%1 ist %2, keine Sperrdatei.</translation>
    </message>
</context>
<context>
    <name>WeekChartView</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week chart</source>
        <translation>Wochenübersicht</translation>
    </message>
    <message>
        <source>The relay&apos;s On time on each day of the week. The arrow keys go from switch to switch; Enter chooses the switch&apos;s step.</source>
        <translation>Die Ein-Zeit des Relais an jedem Wochentag. Die Pfeiltasten gehen von Schaltung zu Schaltung; die Eingabetaste wählt den Schritt der Schaltung.</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>steps %1 and %2</source>
        <translation>Schritte %1 und %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>; from %1 to %2 it depends on which of %3 wins</source>
        <translation>; von %1 bis %2 hängt es davon ab, welcher von %3 gewinnt</translation>
    </message>
    <message>
        <source>switches On</source>
        <translation>schaltet ein</translation>
    </message>
    <message>
        <source>switches Off</source>
        <translation>schaltet aus</translation>
    </message>
    <message>
        <source>steps clash</source>
        <translation>Schritte im Konflikt</translation>
    </message>
    <message>
        <source>unsure from a clash up to the next switch: which step wins on the clock is unknown</source>
        <translation>unsicher vom Konflikt bis zur nächsten Schaltung: welcher Schritt gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>Rest the mouse on a mark to see its steps, click it to choose one; or use the arrow keys and Enter.</source>
        <translation>Maus auf eine Marke halten zeigt ihre Schritte, Klick wählt einen; oder Pfeiltasten und Eingabe.</translation>
    </message>
    <message>
        <source>%1 switch at the same minute; which wins on the clock is unknown:</source>
        <translation>%1 schalten in derselben Minute; welcher auf der Uhr gewinnt, ist unbekannt:</translation>
    </message>
    <message>
        <source>%1: Off all day</source>
        <translation>%1: den ganzen Tag Aus</translation>
    </message>
    <message>
        <source>%1: On all day</source>
        <translation>%1: den ganzen Tag Ein</translation>
    </message>
    <message>
        <source>%1: On %2</source>
        <translation>%1: Ein %2</translation>
    </message>
    <message>
        <source>Step %1 switches Off at %2 on %3</source>
        <translation>Schritt %1 schaltet am %3 um %2 aus</translation>
    </message>
    <message>
        <source>Step %1 switches On at %2 on %3</source>
        <translation>Schritt %1 schaltet am %3 um %2 ein</translation>
    </message>
    <message>
        <source>Step %1 switches Off at %2 on %3, the same minute as %4</source>
        <translation>Schritt %1 schaltet am %3 um %2 aus, in derselben Minute wie %4</translation>
    </message>
    <message>
        <source>Step %1 switches On at %2 on %3, the same minute as %4</source>
        <translation>Schritt %1 schaltet am %3 um %2 ein, in derselben Minute wie %4</translation>
    </message>
    <message>
        <source>Step %1 switches Off at %2 on %3, the same minute as %4; which wins on the clock is unknown</source>
        <translation>Schritt %1 schaltet am %3 um %2 aus, in derselben Minute wie %4; welcher auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>Step %1 switches On at %2 on %3, the same minute as %4; which wins on the clock is unknown</source>
        <translation>Schritt %1 schaltet am %3 um %2 ein, in derselben Minute wie %4; welcher auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
</context>
<context>
    <name>WeekChartWindow</name>
    <message>
        <source>Week Chart</source>
        <translation>Wochenübersicht</translation>
    </message>
    <message>
        <source>The bars show the steps alone: they leave out the skip plans and Pulse.</source>
        <translation>Die Balken zeigen nur die Schritte: Jahrespläne und Impuls sind nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>Program checks</source>
        <translation>Programmprüfungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No skip plan is set.</source>
        <translation>Kein Jahresplan ist gesetzt.</translation>
    </message>
    <message>
        <source>Program checks: none</source>
        <translation>Programmprüfungen: keine</translation>
    </message>
    <message>
        <source>Program checks: %1</source>
        <translation>Programmprüfungen: %1</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1 The devices chosen for the COM ports are not used.</source>
        <translation>%1 Die für die COM-Ports gewählten Geräte werden nicht verwendet.</translation>
    </message>
</context>
</TS>
