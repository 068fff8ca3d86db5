<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>setup</name>
    <message>
        <source>Buffer Overflow</source>
        <translation>Overflow del buffer</translation>
    </message>
    <message>
        <source>Setup Error</source>
        <translation>Errore di installazione</translation>
    </message>
    <message>
        <source>Tablewright ~ Quenby Setup</source>
        <translation>Tablewright ~ Installazione di Quenby</translation>
    </message>
</context>
<context>
    <name>setupdlg</name>
    <message>
        <source>Destination Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Setup will install Quenby in the folder below, and make the folder if it does not exist yet.

To install Quenby somewhere else, type the full path of another folder (~/ stands for your home folder), or choose Browse.</source>
        <translation>L&apos;installazione metterà Quenby nella cartella qui sotto e la creerà se non esiste ancora.

Per installare Quenby altrove, scrivi il percorso completo di un&apos;altra cartella (~/ indica la tua cartella personale) oppure scegli Sfoglia.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Esci dall&apos;installazione</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit Setup ends Setup now: Quenby is not installed and nothing more is copied.

Continue Setup takes you back to where you were.</source>
        <translation>Esci dall&apos;installazione termina subito l&apos;installazione: Quenby non viene installato e non viene copiato più nulla.

Riprendi l&apos;installazione ti riporta dov&apos;eri.</translation>
    </message>
    <message>
        <source>Setup copies the program Quenby, its sounds and its instructions into the folder you choose, then adds a Tablewright group holding Quenby and Quenby Instructions to your application menu.

The folder is made if it does not exist; files of an earlier installation in it are replaced. It cannot be the folder Setup was started from.

Continue installs into the folder shown. Exit Setup leaves without installing.</source>
        <translation>L&apos;installazione copia il programma Quenby, i suoi suoni e la sua guida nella cartella che scegli, poi aggiunge al menu delle applicazioni un gruppo Tablewright con Quenby e Quenby Instructions.

La cartella viene creata se non esiste; i file di un&apos;installazione precedente che contiene vengono sostituiti. Non può essere la cartella da cui è stata avviata l&apos;installazione.

Continua installa nella cartella indicata. Esci dall&apos;installazione esce senza installare.</translation>
    </message>
    <message>
        <source>Setup installs Quenby and adds it to your application menu.</source>
        <translation>L&apos;installazione installa Quenby e lo aggiunge al menu delle applicazioni.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Esci dall&apos;installazione</translation>
    </message>
    <message>
        <source>Quenby is not installed yet.

If you exit now, nothing more is copied. You can run Setup again at any time to install Quenby.</source>
        <translation>Quenby non è ancora installato.

Se esci adesso, non viene copiato più nulla. Puoi avviare di nuovo l&apos;installazione in qualsiasi momento per installare Quenby.</translation>
    </message>
    <message>
        <source>&amp;Continue Setup</source>
        <translation>&amp;Riprendi l&apos;installazione</translation>
    </message>
    <message>
        <source>Setup Failed</source>
        <translation>Installazione non riuscita</translation>
    </message>
    <message>
        <source>Setup could not install Quenby.

Some of its files may be missing from the folder Setup was started from, or the destination folder could not be written. Check both, then run Setup again.</source>
        <translation>Non è stato possibile installare Quenby.

Alcuni dei suoi file potrebbero mancare nella cartella da cui è stata avviata l&apos;installazione, oppure non è stato possibile scrivere nella cartella di destinazione. Controlla entrambe le cose, poi avvia di nuovo l&apos;installazione.</translation>
    </message>
    <message>
        <source>Setup Complete</source>
        <translation>Installazione completata</translation>
    </message>
    <message>
        <source>Quenby is installed.

You will find Quenby and Quenby Instructions in the Tablewright group of your application menu.</source>
        <translation>Quenby è installato.

Troverai Quenby e Quenby Instructions nel gruppo Tablewright del menu delle applicazioni.</translation>
    </message>
    <message>
        <source>Setup Help</source>
        <translation>Guida dell&apos;installazione</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Folder Not Accepted</source>
        <translation>Cartella non accettata</translation>
    </message>
    <message>
        <source>Quenby cannot be installed in that folder.

Type the full path of a folder you are allowed to write to, starting with / (or ~/ for your home folder). It must not be the folder Setup was started from.</source>
        <translation>Quenby non può essere installato in quella cartella.

Scrivi il percorso completo di una cartella in cui hai il permesso di scrivere, che inizi con / (o ~/ per la tua cartella personale). Non deve essere la cartella da cui è stata avviata l&apos;installazione.</translation>
    </message>
    <message>
        <source>Install Quenby In</source>
        <translation>Installa Quenby in</translation>
    </message>
</context>
<context>
    <name>setupkit</name>
    <message>
        <source>Copying Files</source>
        <translation>Copia dei file</translation>
    </message>
    <message>
        <source>Copying files...</source>
        <translation>Copia dei file in corso...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copia di %1</translation>
    </message>
</context>
</TS>
