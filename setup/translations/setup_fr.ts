<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>setup</name>
    <message>
        <source>Buffer Overflow</source>
        <translation>Dépassement de tampon</translation>
    </message>
    <message>
        <source>Setup Error</source>
        <translation>Erreur d&apos;installation</translation>
    </message>
    <message>
        <source>Tablewright ~ Quenby Setup</source>
        <translation>Tablewright ~ Installation de Quenby</translation>
    </message>
</context>
<context>
    <name>setupdlg</name>
    <message>
        <source>Destination Folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Setup will install Quenby in the folder below, and make the folder if it does not exist yet.

To install Quenby somewhere else, type the full path of another folder (~/ stands for your home folder), or choose Browse.</source>
        <translation>L&apos;installation va placer Quenby dans le dossier ci-dessous et créer ce dossier s&apos;il n&apos;existe pas encore.

Pour installer Quenby ailleurs, tapez le chemin complet d&apos;un autre dossier (~/ désigne votre dossier personnel) ou choisissez Parcourir.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Quitter l&apos;installation</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit Setup ends Setup now: Quenby is not installed and nothing more is copied.

Continue Setup takes you back to where you were.</source>
        <translation>Quitter l&apos;installation arrête l&apos;installation maintenant : Quenby n&apos;est pas installé et plus rien n&apos;est copié.

Reprendre l&apos;installation vous ramène là où vous étiez.</translation>
    </message>
    <message>
        <source>Setup copies the program Quenby, its sounds and its instructions into the folder you choose, then adds a Tablewright group holding Quenby and Quenby Instructions to your application menu.

The folder is made if it does not exist; files of an earlier installation in it are replaced. It cannot be the folder Setup was started from.

Continue installs into the folder shown. Exit Setup leaves without installing.</source>
        <translation>L&apos;installation copie le programme Quenby, ses sons et son mode d&apos;emploi dans le dossier que vous choisissez, puis ajoute à votre menu des applications un groupe Tablewright contenant Quenby et Quenby Instructions.

Le dossier est créé s&apos;il n&apos;existe pas ; les fichiers d&apos;une installation précédente qu&apos;il contient sont remplacés. Ce ne peut pas être le dossier d&apos;où l&apos;installation a été lancée.

Continuer installe dans le dossier indiqué. Quitter l&apos;installation part sans rien installer.</translation>
    </message>
    <message>
        <source>Setup installs Quenby and adds it to your application menu.</source>
        <translation>L&apos;installation installe Quenby et l&apos;ajoute à votre menu des applications.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Quitter l&apos;installation</translation>
    </message>
    <message>
        <source>Quenby is not installed yet.

If you exit now, nothing more is copied. You can run Setup again at any time to install Quenby.</source>
        <translation>Quenby n&apos;est pas encore installé.

Si vous quittez maintenant, plus rien n&apos;est copié. Vous pouvez relancer l&apos;installation à tout moment pour installer Quenby.</translation>
    </message>
    <message>
        <source>&amp;Continue Setup</source>
        <translation>&amp;Reprendre l&apos;installation</translation>
    </message>
    <message>
        <source>Setup Failed</source>
        <translation>Échec de l&apos;installation</translation>
    </message>
    <message>
        <source>Setup could not install Quenby.

Some of its files may be missing from the folder Setup was started from, or the destination folder could not be written. Check both, then run Setup again.</source>
        <translation>L&apos;installation n&apos;a pas pu installer Quenby.

Certains de ses fichiers manquent peut-être dans le dossier d&apos;où l&apos;installation a été lancée, ou le dossier de destination n&apos;a pas pu être écrit. Vérifiez les deux, puis relancez l&apos;installation.</translation>
    </message>
    <message>
        <source>Setup Complete</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>Quenby is installed.

You will find Quenby and Quenby Instructions in the Tablewright group of your application menu.</source>
        <translation>Quenby est installé.

Vous trouverez Quenby et Quenby Instructions dans le groupe Tablewright de votre menu des applications.</translation>
    </message>
    <message>
        <source>Setup Help</source>
        <translation>Aide de l&apos;installation</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Folder Not Accepted</source>
        <translation>Dossier refusé</translation>
    </message>
    <message>
        <source>Quenby cannot be installed in that folder.

Type the full path of a folder you are allowed to write to, starting with / (or ~/ for your home folder). It must not be the folder Setup was started from.</source>
        <translation>Quenby ne peut pas être installé dans ce dossier.

Tapez le chemin complet d&apos;un dossier dans lequel vous avez le droit d&apos;écrire, commençant par / (ou ~/ pour votre dossier personnel). Ce ne doit pas être le dossier d&apos;où l&apos;installation a été lancée.</translation>
    </message>
    <message>
        <source>Install Quenby In</source>
        <translation>Installer Quenby dans</translation>
    </message>
</context>
<context>
    <name>setupkit</name>
    <message>
        <source>Copying Files</source>
        <translation>Copie des fichiers</translation>
    </message>
    <message>
        <source>Copying files...</source>
        <translation>Copie des fichiers...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copie de %1</translation>
    </message>
</context>
</TS>
