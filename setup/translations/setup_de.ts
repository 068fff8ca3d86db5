<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>setup</name>
    <message>
        <source>Buffer Overflow</source>
        <translation>Pufferüberlauf</translation>
    </message>
    <message>
        <source>Setup Error</source>
        <translation>Setup-Fehler</translation>
    </message>
    <message>
        <source>Tablewright ~ Quenby Setup</source>
        <translation>Tablewright ~ Quenby-Installation</translation>
    </message>
</context>
<context>
    <name>setupdlg</name>
    <message>
        <source>Destination Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Setup will install Quenby in the folder below, and make the folder if it does not exist yet.

To install Quenby somewhere else, type the full path of another folder (~/ stands for your home folder), or choose Browse.</source>
        <translation>Setup installiert Quenby in den unten stehenden Ordner und legt ihn an, falls es ihn noch nicht gibt.

Um Quenby an einem anderen Ort zu installieren, geben Sie den vollständigen Pfad eines anderen Ordners ein (~/ steht für Ihren persönlichen Ordner), oder wählen Sie Durchsuchen.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>Setup &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit Setup ends Setup now: Quenby is not installed and nothing more is copied.

Continue Setup takes you back to where you were.</source>
        <translation>Setup beenden beendet Setup sofort: Quenby wird nicht installiert, und es wird nichts mehr kopiert.

Setup fortsetzen bringt Sie dorthin zurück, wo Sie waren.</translation>
    </message>
    <message>
        <source>Setup copies the program Quenby, its sounds and its instructions into the folder you choose, then adds a Tablewright group holding Quenby and Quenby Instructions to your application menu.

The folder is made if it does not exist; files of an earlier installation in it are replaced. It cannot be the folder Setup was started from.

Continue installs into the folder shown. Exit Setup leaves without installing.</source>
        <translation>Setup kopiert das Programm Quenby, seine Klänge und seine Anleitung in den Ordner, den Sie wählen, und fügt Ihrem Anwendungsmenü dann die Gruppe Tablewright mit Quenby und Quenby Instructions hinzu.

Der Ordner wird angelegt, falls es ihn nicht gibt; Dateien einer früheren Installation darin werden ersetzt. Es darf nicht der Ordner sein, aus dem Setup gestartet wurde.

Weiter installiert in den angezeigten Ordner. Setup beenden verlässt Setup, ohne zu installieren.</translation>
    </message>
    <message>
        <source>Setup installs Quenby and adds it to your application menu.</source>
        <translation>Setup installiert Quenby und fügt es Ihrem Anwendungsmenü hinzu.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Setup beenden</translation>
    </message>
    <message>
        <source>Quenby is not installed yet.

If you exit now, nothing more is copied. You can run Setup again at any time to install Quenby.</source>
        <translation>Quenby ist noch nicht installiert.

Wenn Sie jetzt beenden, wird nichts mehr kopiert. Sie können Setup jederzeit erneut starten, um Quenby zu installieren.</translation>
    </message>
    <message>
        <source>&amp;Continue Setup</source>
        <translation>Setup &amp;fortsetzen</translation>
    </message>
    <message>
        <source>Setup Failed</source>
        <translation>Setup fehlgeschlagen</translation>
    </message>
    <message>
        <source>Setup could not install Quenby.

Some of its files may be missing from the folder Setup was started from, or the destination folder could not be written. Check both, then run Setup again.</source>
        <translation>Setup konnte Quenby nicht installieren.

Möglicherweise fehlen einige seiner Dateien in dem Ordner, aus dem Setup gestartet wurde, oder in den Zielordner konnte nicht geschrieben werden. Prüfen Sie beides, und starten Sie Setup dann erneut.</translation>
    </message>
    <message>
        <source>Setup Complete</source>
        <translation>Setup abgeschlossen</translation>
    </message>
    <message>
        <source>Quenby is installed.

You will find Quenby and Quenby Instructions in the Tablewright group of your application menu.</source>
        <translation>Quenby ist installiert.

Sie finden Quenby und Quenby Instructions in der Gruppe Tablewright Ihres Anwendungsmenüs.</translation>
    </message>
    <message>
        <source>Setup Help</source>
        <translation>Setup-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Folder Not Accepted</source>
        <translation>Ordner abgelehnt</translation>
    </message>
    <message>
        <source>Quenby cannot be installed in that folder.

Type the full path of a folder you are allowed to write to, starting with / (or ~/ for your home folder). It must not be the folder Setup was started from.</source>
        <translation>Quenby kann nicht in diesem Ordner installiert werden.

Geben Sie den vollständigen Pfad eines Ordners ein, in den Sie schreiben dürfen, beginnend mit / (oder ~/ für Ihren persönlichen Ordner). Es darf nicht der Ordner sein, aus dem Setup gestartet wurde.</translation>
    </message>
    <message>
        <source>Install Quenby In</source>
        <translation>Quenby installieren in</translation>
    </message>
</context>
<context>
    <name>setupkit</name>
    <message>
        <source>Copying Files</source>
        <translation>Dateien werden kopiert</translation>
    </message>
    <message>
        <source>Copying files...</source>
        <translation>Dateien werden kopiert...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 wird kopiert</translation>
    </message>
</context>
</TS>
