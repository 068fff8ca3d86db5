<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tollmere::CMainFrame</name>
    <message>
        <source>On Line Instructions
Help</source>
        <translation>Die Anleitung zeigen
Hilfe</translation>
    </message>
    <message>
        <source>About Tollmere
About</source>
        <translation>Über Tollmere
Info</translation>
    </message>
    <message>
        <source>Quit Playing
Exit</source>
        <translation>Tollmere beenden
Beenden</translation>
    </message>
    <message>
        <source>Open A Previously Saved Game
Open</source>
        <translation>Ein gespeichertes Spiel öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save This Game
Save</source>
        <translation>Dieses Spiel speichern
Speichern</translation>
    </message>
    <message>
        <source>Set Table Color
Color</source>
        <translation>Die Farbe des Tisches wählen
Farbe</translation>
    </message>
    <message>
        <source>Change Decks
Decks</source>
        <translation>Einen anderen Kartenrücken wählen
Kartenrücken</translation>
    </message>
    <message>
        <source>Review Record
Record</source>
        <translation>Die Statistik ansehen
Statistik</translation>
    </message>
    <message>
        <source>Toggle Sound
Sound</source>
        <translation>Den Ton ein- oder ausschalten
Ton</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spielleiste</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 spielen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>What happened last</source>
        <translation>Was zuletzt geschah</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Resize the window</source>
        <translation>Fenstergröße ändern</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Feststelltaste an</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Feststelltaste aus</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Num-Taste an</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Num-Taste aus</translation>
    </message>
    <message>
        <source>Scroll Lock on</source>
        <translation>Rollen-Taste an</translation>
    </message>
    <message>
        <source>Scroll Lock off</source>
        <translation>Rollen-Taste aus</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Spielleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>T&amp;on</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolView</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 lifted from %2</source>
        <translation>%1 von %2 aufgenommen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 back to %2</source>
        <translation>%1 zurück auf %2</translation>
    </message>
    <message>
        <source>1 card dealt from the stock</source>
        <translation>1 Karte vom Talon ausgeteilt</translation>
    </message>
    <message numerus="yes">
        <source>%n cards dealt from the stock</source>
        <translation>
            <numerusform>%n Karte vom Talon ausgeteilt</numerusform>
            <numerusform>%n Karten vom Talon ausgeteilt</numerusform>
        </translation>
    </message>
    <message>
        <source>The waste turned over into the stock</source>
        <translation>Der Abfallstapel ist als Talon umgedreht</translation>
    </message>
    <message>
        <source>Nothing to lift from %1</source>
        <translation>Von %1 ist nichts aufzunehmen</translation>
    </message>
    <message>
        <source>%1. You won!</source>
        <translation>%1. Gewonnen!</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titelbild</translation>
    </message>
    <message>
        <source>The card table</source>
        <translation>Der Kartentisch</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>tollmere::DeckDialog</name>
    <message>
        <source>Select A Deck</source>
        <translation>Kartenrücken wählen</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Kartenrücken %1 von %2</translation>
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
    <name>tollmere::GameDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datei nicht gefunden.
Bitte prüfen Sie, ob der Dateiname richtig angegeben wurde.</translation>
    </message>
    <message>
        <source>No file matches %1, so the game was not saved.
A name with * or ? picks the files listed; to save, choose a name without them.</source>
        <translation>Keine Datei passt zu %1, deshalb wurde das Spiel nicht gespeichert.
Ein Name mit * oder ? wählt die aufgelisteten Dateien aus; zum Speichern wählen Sie einen Namen ohne diese Zeichen.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Name the file to save this game in</source>
        <translation>Geben Sie die Datei an, in der dieses Spiel gespeichert wird</translation>
    </message>
    <message>
        <source>Choose a saved game to open</source>
        <translation>Wählen Sie ein gespeichertes Spiel zum Öffnen</translation>
    </message>
</context>
<context>
    <name>tollmere::Games</name>
    <message>
        <source>Fortune&apos;s Favor</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Fortune&apos;s Favor</translation>
    </message>
    <message>
        <source>Accordion</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Accordion</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Beleaguered Castle</translation>
    </message>
    <message>
        <source>Calculation</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Quadrille</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Quadrille</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Chameleon</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Four Seasons</translation>
    </message>
    <message>
        <source>Queen&apos;s Audience</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>German keeps the English name: the game has no established German one.</translatorcomment>
        <translation>Queen&apos;s Audience</translation>
    </message>
</context>
<context>
    <name>tollmere::Piles</name>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Pile 1</source>
        <translation>Stapel 1</translation>
    </message>
    <message>
        <source>Pile 2</source>
        <translation>Stapel 2</translation>
    </message>
    <message>
        <source>Pile 3</source>
        <translation>Stapel 3</translation>
    </message>
    <message>
        <source>Pile 4</source>
        <translation>Stapel 4</translation>
    </message>
    <message>
        <source>Pile 5</source>
        <translation>Stapel 5</translation>
    </message>
    <message>
        <source>Pile 6</source>
        <translation>Stapel 6</translation>
    </message>
    <message>
        <source>Left row 1</source>
        <translation>Linke Reihe 1</translation>
    </message>
    <message>
        <source>Foundation 1</source>
        <translation>Ablagestapel 1</translation>
    </message>
    <message>
        <source>Right row 1</source>
        <translation>Rechte Reihe 1</translation>
    </message>
    <message>
        <source>Left row 2</source>
        <translation>Linke Reihe 2</translation>
    </message>
    <message>
        <source>Foundation 2</source>
        <translation>Ablagestapel 2</translation>
    </message>
    <message>
        <source>Right row 2</source>
        <translation>Rechte Reihe 2</translation>
    </message>
    <message>
        <source>Left row 3</source>
        <translation>Linke Reihe 3</translation>
    </message>
    <message>
        <source>Foundation 3</source>
        <translation>Ablagestapel 3</translation>
    </message>
    <message>
        <source>Right row 3</source>
        <translation>Rechte Reihe 3</translation>
    </message>
    <message>
        <source>Left row 4</source>
        <translation>Linke Reihe 4</translation>
    </message>
    <message>
        <source>Foundation 4</source>
        <translation>Ablagestapel 4</translation>
    </message>
    <message>
        <source>Right row 4</source>
        <translation>Rechte Reihe 4</translation>
    </message>
    <message>
        <source>Waste 1</source>
        <translation>Abfallstapel 1</translation>
    </message>
    <message>
        <source>Waste 2</source>
        <translation>Abfallstapel 2</translation>
    </message>
    <message>
        <source>Waste 3</source>
        <translation>Abfallstapel 3</translation>
    </message>
    <message>
        <source>Waste 4</source>
        <translation>Abfallstapel 4</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Abfallstapel</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Tableau 1</source>
        <translation>Tableaustapel 1</translation>
    </message>
    <message>
        <source>Tableau 2</source>
        <translation>Tableaustapel 2</translation>
    </message>
    <message>
        <source>Tableau 3</source>
        <translation>Tableaustapel 3</translation>
    </message>
    <message>
        <source>Tableau 4</source>
        <translation>Tableaustapel 4</translation>
    </message>
    <message>
        <source>Tableau 5</source>
        <translation>Tableaustapel 5</translation>
    </message>
    <message>
        <source>Tableau 6</source>
        <translation>Tableaustapel 6</translation>
    </message>
    <message>
        <source>Tableau 7</source>
        <translation>Tableaustapel 7</translation>
    </message>
    <message>
        <source>Tableau 8</source>
        <translation>Tableaustapel 8</translation>
    </message>
    <message>
        <source>Tableau 9</source>
        <translation>Tableaustapel 9</translation>
    </message>
    <message>
        <source>Tableau 10</source>
        <translation>Tableaustapel 10</translation>
    </message>
    <message>
        <source>Tableau 11</source>
        <translation>Tableaustapel 11</translation>
    </message>
    <message>
        <source>Tableau 12</source>
        <translation>Tableaustapel 12</translation>
    </message>
    <message>
        <source>Cross top</source>
        <translation>Kreuz oben</translation>
    </message>
    <message>
        <source>Cross left</source>
        <translation>Kreuz links</translation>
    </message>
    <message>
        <source>Cross centre</source>
        <translation>Kreuz Mitte</translation>
    </message>
    <message>
        <source>Cross right</source>
        <translation>Kreuz rechts</translation>
    </message>
    <message>
        <source>Cross bottom</source>
        <translation>Kreuz unten</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Stapel %1</translation>
    </message>
    <message>
        <source>Top foundation</source>
        <translation>Ablagestapel oben</translation>
    </message>
    <message>
        <source>Left foundation</source>
        <translation>Ablagestapel links</translation>
    </message>
    <message>
        <source>Right foundation</source>
        <translation>Ablagestapel rechts</translation>
    </message>
    <message>
        <source>Bottom foundation</source>
        <translation>Ablagestapel unten</translation>
    </message>
    <message>
        <source>Upper left foundation</source>
        <translation>Ablagestapel oben links</translation>
    </message>
    <message>
        <source>Upper right foundation</source>
        <translation>Ablagestapel oben rechts</translation>
    </message>
    <message>
        <source>Lower left foundation</source>
        <translation>Ablagestapel unten links</translation>
    </message>
    <message>
        <source>Lower right foundation</source>
        <translation>Ablagestapel unten rechts</translation>
    </message>
    <message>
        <source>Top Queen</source>
        <translation>Dame oben</translation>
    </message>
    <message>
        <source>Left Queen</source>
        <translation>Dame links</translation>
    </message>
    <message>
        <source>Right Queen</source>
        <translation>Dame rechts</translation>
    </message>
    <message>
        <source>Bottom Queen</source>
        <translation>Dame unten</translation>
    </message>
    <message>
        <source>Top wall 1</source>
        <translation>Obere Wand 1</translation>
    </message>
    <message>
        <source>Top wall 2</source>
        <translation>Obere Wand 2</translation>
    </message>
    <message>
        <source>Top wall 3</source>
        <translation>Obere Wand 3</translation>
    </message>
    <message>
        <source>Top wall 4</source>
        <translation>Obere Wand 4</translation>
    </message>
    <message>
        <source>Top wall 5</source>
        <translation>Obere Wand 5</translation>
    </message>
    <message>
        <source>Top wall 6</source>
        <translation>Obere Wand 6</translation>
    </message>
    <message>
        <source>Left wall 1</source>
        <translation>Linke Wand 1</translation>
    </message>
    <message>
        <source>Right wall 1</source>
        <translation>Rechte Wand 1</translation>
    </message>
    <message>
        <source>Left wall 2</source>
        <translation>Linke Wand 2</translation>
    </message>
    <message>
        <source>Foundation 5</source>
        <translation>Ablagestapel 5</translation>
    </message>
    <message>
        <source>Right wall 2</source>
        <translation>Rechte Wand 2</translation>
    </message>
    <message>
        <source>Bottom wall 1</source>
        <translation>Untere Wand 1</translation>
    </message>
    <message>
        <source>Bottom wall 2</source>
        <translation>Untere Wand 2</translation>
    </message>
    <message>
        <source>Bottom wall 3</source>
        <translation>Untere Wand 3</translation>
    </message>
    <message>
        <source>Bottom wall 4</source>
        <translation>Untere Wand 4</translation>
    </message>
    <message>
        <source>Bottom wall 5</source>
        <translation>Untere Wand 5</translation>
    </message>
    <message>
        <source>Bottom wall 6</source>
        <translation>Untere Wand 6</translation>
    </message>
</context>
<context>
    <name>tollmere::RecordDialog</name>
    <message>
        <source> Record </source>
        <translation> Statistik </translation>
    </message>
    <message>
        <source>Played :</source>
        <translation>Gespielt :</translation>
    </message>
    <message>
        <source>Won :</source>
        <translation>Siege :</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tollmere::RecordListBox</name>
    <message>
        <source>Record</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games played and won, for each game</source>
        <translation>Gespielte und gewonnene Spiele, für jedes Spiel</translation>
    </message>
    <message>
        <source>%1: played %2, won %3</source>
        <translation>%1: %2 gespielt, %3 gewonnen</translation>
    </message>
</context>
<context>
    <name>tollmere::WinDialog</name>
    <message>
        <source> Congratulations </source>
        <translation> Glückwunsch </translation>
    </message>
    <message>
        <source>You Win !</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
