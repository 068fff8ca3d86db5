<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tollmere::CMainFrame</name>
    <message>
        <source>On Line Instructions
Help</source>
        <translation>Mostra la guida
Aiuto</translation>
    </message>
    <message>
        <source>About Tollmere
About</source>
        <translation>Informazioni su Tollmere
Informazioni</translation>
    </message>
    <message>
        <source>Quit Playing
Exit</source>
        <translation>Smetti di giocare
Esci</translation>
    </message>
    <message>
        <source>Open A Previously Saved Game
Open</source>
        <translation>Apri una partita salvata
Apri</translation>
    </message>
    <message>
        <source>Save This Game
Save</source>
        <translation>Salva questa partita
Salva</translation>
    </message>
    <message>
        <source>Set Table Color
Color</source>
        <translation>Scegli il colore del tavolo
Colore</translation>
    </message>
    <message>
        <source>Change Decks
Decks</source>
        <translation>Cambia il dorso delle carte
Dorsi</translation>
    </message>
    <message>
        <source>Review Record
Record</source>
        <translation>Mostra le statistiche
Statistiche</translation>
    </message>
    <message>
        <source>Toggle Sound
Sound</source>
        <translation>Attiva o disattiva i suoni
Suoni</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Barra dei giochi</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Gioca a %1</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Barra degli attrezzi</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Altri pulsanti</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>What happened last</source>
        <translation>L&apos;ultima cosa successa</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Resize the window</source>
        <translation>Ridimensiona la finestra</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Bloc Maiusc attivo</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Bloc Maiusc disattivo</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Bloc Num attivo</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Bloc Num disattivo</translation>
    </message>
    <message>
        <source>Scroll Lock on</source>
        <translation>Bloc Scorr attivo</translation>
    </message>
    <message>
        <source>Scroll Lock off</source>
        <translation>Bloc Scorr disattivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra dei &amp;giochi</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra di stato</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suoni</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolView</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e %n altra</numerusform>
            <numerusform>%1 e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 lifted from %2</source>
        <translation>Si solleva %1 da %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>%1 back to %2</source>
        <translation>%1 torna su %2</translation>
    </message>
    <message>
        <source>1 card dealt from the stock</source>
        <translation>1 carta distribuita dal tallone</translation>
    </message>
    <message numerus="yes">
        <source>%n cards dealt from the stock</source>
        <translation>
            <numerusform>%n carta distribuita dal tallone</numerusform>
            <numerusform>%n carte distribuite dal tallone</numerusform>
        </translation>
    </message>
    <message>
        <source>The waste turned over into the stock</source>
        <translation>Gli scarti tornano coperti nel tallone</translation>
    </message>
    <message>
        <source>Nothing to lift from %1</source>
        <translation>Niente da prendere da %1</translation>
    </message>
    <message>
        <source>%1. You won!</source>
        <translation>%1. Hai vinto!</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Immagine del titolo</translation>
    </message>
    <message>
        <source>The card table</source>
        <translation>Il tavolo da gioco</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>Non è stato possibile salvare la partita in %1.</translation>
    </message>
</context>
<context>
    <name>tollmere::DeckDialog</name>
    <message>
        <source>Select A Deck</source>
        <translation>Scegli un dorso</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Dorsi</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Dorso %1 di %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tollmere::GameDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
File non trovato.
Verifica che il nome del file sia corretto.</translation>
    </message>
    <message>
        <source>No file matches %1, so the game was not saved.
A name with * or ? picks the files listed; to save, choose a name without them.</source>
        <translation>Nessun file corrisponde a %1, quindi la partita non è stata salvata.
Un nome con * o ? sceglie i file elencati; per salvare, scegli un nome senza questi caratteri.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Apri partita</translation>
    </message>
    <message>
        <source>Name the file to save this game in</source>
        <translation>Dai un nome al file in cui salvare questa partita</translation>
    </message>
    <message>
        <source>Choose a saved game to open</source>
        <translation>Scegli una partita salvata da aprire</translation>
    </message>
</context>
<context>
    <name>tollmere::Games</name>
    <message>
        <source>Fortune&apos;s Favor</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Fortune&apos;s Favor</translation>
    </message>
    <message>
        <source>Accordion</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Accordion</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Beleaguered Castle</translation>
    </message>
    <message>
        <source>Calculation</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Quadrille</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Quadrille</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Chameleon</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Four Seasons</translation>
    </message>
    <message>
        <source>Queen&apos;s Audience</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Italian keeps the English name: the game has no established Italian one.</translatorcomment>
        <translation>Queen&apos;s Audience</translation>
    </message>
</context>
<context>
    <name>tollmere::Piles</name>
    <message>
        <source>Stock</source>
        <translation>Tallone</translation>
    </message>
    <message>
        <source>Pile 1</source>
        <translation>Pila 1</translation>
    </message>
    <message>
        <source>Pile 2</source>
        <translation>Pila 2</translation>
    </message>
    <message>
        <source>Pile 3</source>
        <translation>Pila 3</translation>
    </message>
    <message>
        <source>Pile 4</source>
        <translation>Pila 4</translation>
    </message>
    <message>
        <source>Pile 5</source>
        <translation>Pila 5</translation>
    </message>
    <message>
        <source>Pile 6</source>
        <translation>Pila 6</translation>
    </message>
    <message>
        <source>Left row 1</source>
        <translation>Fila sinistra 1</translation>
    </message>
    <message>
        <source>Foundation 1</source>
        <translation>Base 1</translation>
    </message>
    <message>
        <source>Right row 1</source>
        <translation>Fila destra 1</translation>
    </message>
    <message>
        <source>Left row 2</source>
        <translation>Fila sinistra 2</translation>
    </message>
    <message>
        <source>Foundation 2</source>
        <translation>Base 2</translation>
    </message>
    <message>
        <source>Right row 2</source>
        <translation>Fila destra 2</translation>
    </message>
    <message>
        <source>Left row 3</source>
        <translation>Fila sinistra 3</translation>
    </message>
    <message>
        <source>Foundation 3</source>
        <translation>Base 3</translation>
    </message>
    <message>
        <source>Right row 3</source>
        <translation>Fila destra 3</translation>
    </message>
    <message>
        <source>Left row 4</source>
        <translation>Fila sinistra 4</translation>
    </message>
    <message>
        <source>Foundation 4</source>
        <translation>Base 4</translation>
    </message>
    <message>
        <source>Right row 4</source>
        <translation>Fila destra 4</translation>
    </message>
    <message>
        <source>Waste 1</source>
        <translation>Scarti 1</translation>
    </message>
    <message>
        <source>Waste 2</source>
        <translation>Scarti 2</translation>
    </message>
    <message>
        <source>Waste 3</source>
        <translation>Scarti 3</translation>
    </message>
    <message>
        <source>Waste 4</source>
        <translation>Scarti 4</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Scarti</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Riserva</translation>
    </message>
    <message>
        <source>Tableau 1</source>
        <translation>Tableau 1</translation>
    </message>
    <message>
        <source>Tableau 2</source>
        <translation>Tableau 2</translation>
    </message>
    <message>
        <source>Tableau 3</source>
        <translation>Tableau 3</translation>
    </message>
    <message>
        <source>Tableau 4</source>
        <translation>Tableau 4</translation>
    </message>
    <message>
        <source>Tableau 5</source>
        <translation>Tableau 5</translation>
    </message>
    <message>
        <source>Tableau 6</source>
        <translation>Tableau 6</translation>
    </message>
    <message>
        <source>Tableau 7</source>
        <translation>Tableau 7</translation>
    </message>
    <message>
        <source>Tableau 8</source>
        <translation>Tableau 8</translation>
    </message>
    <message>
        <source>Tableau 9</source>
        <translation>Tableau 9</translation>
    </message>
    <message>
        <source>Tableau 10</source>
        <translation>Tableau 10</translation>
    </message>
    <message>
        <source>Tableau 11</source>
        <translation>Tableau 11</translation>
    </message>
    <message>
        <source>Tableau 12</source>
        <translation>Tableau 12</translation>
    </message>
    <message>
        <source>Cross top</source>
        <translation>Croce in alto</translation>
    </message>
    <message>
        <source>Cross left</source>
        <translation>Croce a sinistra</translation>
    </message>
    <message>
        <source>Cross centre</source>
        <translation>Croce al centro</translation>
    </message>
    <message>
        <source>Cross right</source>
        <translation>Croce a destra</translation>
    </message>
    <message>
        <source>Cross bottom</source>
        <translation>Croce in basso</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Pila %1</translation>
    </message>
    <message>
        <source>Top foundation</source>
        <translation>Base in alto</translation>
    </message>
    <message>
        <source>Left foundation</source>
        <translation>Base a sinistra</translation>
    </message>
    <message>
        <source>Right foundation</source>
        <translation>Base a destra</translation>
    </message>
    <message>
        <source>Bottom foundation</source>
        <translation>Base in basso</translation>
    </message>
    <message>
        <source>Upper left foundation</source>
        <translation>Base in alto a sinistra</translation>
    </message>
    <message>
        <source>Upper right foundation</source>
        <translation>Base in alto a destra</translation>
    </message>
    <message>
        <source>Lower left foundation</source>
        <translation>Base in basso a sinistra</translation>
    </message>
    <message>
        <source>Lower right foundation</source>
        <translation>Base in basso a destra</translation>
    </message>
    <message>
        <source>Top Queen</source>
        <translation>Donna in alto</translation>
    </message>
    <message>
        <source>Left Queen</source>
        <translation>Donna a sinistra</translation>
    </message>
    <message>
        <source>Right Queen</source>
        <translation>Donna a destra</translation>
    </message>
    <message>
        <source>Bottom Queen</source>
        <translation>Donna in basso</translation>
    </message>
    <message>
        <source>Top wall 1</source>
        <translation>Parete in alto 1</translation>
    </message>
    <message>
        <source>Top wall 2</source>
        <translation>Parete in alto 2</translation>
    </message>
    <message>
        <source>Top wall 3</source>
        <translation>Parete in alto 3</translation>
    </message>
    <message>
        <source>Top wall 4</source>
        <translation>Parete in alto 4</translation>
    </message>
    <message>
        <source>Top wall 5</source>
        <translation>Parete in alto 5</translation>
    </message>
    <message>
        <source>Top wall 6</source>
        <translation>Parete in alto 6</translation>
    </message>
    <message>
        <source>Left wall 1</source>
        <translation>Parete sinistra 1</translation>
    </message>
    <message>
        <source>Right wall 1</source>
        <translation>Parete destra 1</translation>
    </message>
    <message>
        <source>Left wall 2</source>
        <translation>Parete sinistra 2</translation>
    </message>
    <message>
        <source>Foundation 5</source>
        <translation>Base 5</translation>
    </message>
    <message>
        <source>Right wall 2</source>
        <translation>Parete destra 2</translation>
    </message>
    <message>
        <source>Bottom wall 1</source>
        <translation>Parete in basso 1</translation>
    </message>
    <message>
        <source>Bottom wall 2</source>
        <translation>Parete in basso 2</translation>
    </message>
    <message>
        <source>Bottom wall 3</source>
        <translation>Parete in basso 3</translation>
    </message>
    <message>
        <source>Bottom wall 4</source>
        <translation>Parete in basso 4</translation>
    </message>
    <message>
        <source>Bottom wall 5</source>
        <translation>Parete in basso 5</translation>
    </message>
    <message>
        <source>Bottom wall 6</source>
        <translation>Parete in basso 6</translation>
    </message>
</context>
<context>
    <name>tollmere::RecordDialog</name>
    <message>
        <source> Record </source>
        <translation> Statistiche </translation>
    </message>
    <message>
        <source>Played :</source>
        <translation>Giocate:</translation>
    </message>
    <message>
        <source>Won :</source>
        <translation>Vinte:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vinte</translation>
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
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Games played and won, for each game</source>
        <translation>Partite giocate e vinte, per ogni gioco</translation>
    </message>
    <message>
        <source>%1: played %2, won %3</source>
        <translation>%1: %2 giocate, %3 vinte</translation>
    </message>
</context>
<context>
    <name>tollmere::WinDialog</name>
    <message>
        <source> Congratulations </source>
        <translation> Congratulazioni </translation>
    </message>
    <message>
        <source>You Win !</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
