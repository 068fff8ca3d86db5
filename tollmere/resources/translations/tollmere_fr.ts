<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tollmere::CMainFrame</name>
    <message>
        <source>On Line Instructions
Help</source>
        <translation>Afficher l&apos;aide
Aide</translation>
    </message>
    <message>
        <source>About Tollmere
About</source>
        <translation>À propos de Tollmere
À propos</translation>
    </message>
    <message>
        <source>Quit Playing
Exit</source>
        <translation>Arrêter de jouer
Quitter</translation>
    </message>
    <message>
        <source>Open A Previously Saved Game
Open</source>
        <translation>Ouvrir une partie enregistrée
Ouvrir</translation>
    </message>
    <message>
        <source>Save This Game
Save</source>
        <translation>Enregistrer cette partie
Enregistrer</translation>
    </message>
    <message>
        <source>Set Table Color
Color</source>
        <translation>Choisir la couleur de la table
Couleur</translation>
    </message>
    <message>
        <source>Change Decks
Decks</source>
        <translation>Changer le dos des cartes
Dos des cartes</translation>
    </message>
    <message>
        <source>Review Record
Record</source>
        <translation>Voir les statistiques
Statistiques</translation>
    </message>
    <message>
        <source>Toggle Sound
Sound</source>
        <translation>Couper ou rétablir le son
Son</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Barre des jeux</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Jouer à %1</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Barre des outils</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Plus de boutons</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>What happened last</source>
        <translation>Ce qui vient de se passer</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Resize the window</source>
        <translation>Redimensionner la fenêtre</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Verr. Maj activé</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Verr. Maj désactivé</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Verr. Num activé</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Verr. Num désactivé</translation>
    </message>
    <message>
        <source>Scroll Lock on</source>
        <translation>Arrêt défil activé</translation>
    </message>
    <message>
        <source>Scroll Lock off</source>
        <translation>Arrêt défil désactivé</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre des &amp;jeux</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolView</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 lifted from %2</source>
        <translation>%1 pris sur %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 back to %2</source>
        <translation>%1 revient sur %2</translation>
    </message>
    <message>
        <source>1 card dealt from the stock</source>
        <translation>1 carte distribuée du talon</translation>
    </message>
    <message numerus="yes">
        <source>%n cards dealt from the stock</source>
        <translation>
            <numerusform>%n carte distribuée du talon</numerusform>
            <numerusform>%n cartes distribuées du talon</numerusform>
        </translation>
    </message>
    <message>
        <source>The waste turned over into the stock</source>
        <translation>La défausse est retournée en talon</translation>
    </message>
    <message>
        <source>Nothing to lift from %1</source>
        <translation>Rien à prendre sur %1</translation>
    </message>
    <message>
        <source>%1. You won!</source>
        <translation>%1. Vous avez gagné !</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Image de titre</translation>
    </message>
    <message>
        <source>The card table</source>
        <translation>La table de jeu</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>La partie n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>tollmere::DeckDialog</name>
    <message>
        <source>Select A Deck</source>
        <translation>Choisir un dos de cartes</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Dos de cartes %1 sur %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tollmere::GameDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le nom de fichier indiqué est correct.</translation>
    </message>
    <message>
        <source>No file matches %1, so the game was not saved.
A name with * or ? picks the files listed; to save, choose a name without them.</source>
        <translation>Aucun fichier ne correspond à %1 : la partie n&apos;a donc pas été enregistrée.
Un nom contenant * ou ? sélectionne les fichiers affichés ; pour enregistrer, choisissez un nom sans ces caractères.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Name the file to save this game in</source>
        <translation>Nommez le fichier où enregistrer cette partie</translation>
    </message>
    <message>
        <source>Choose a saved game to open</source>
        <translation>Choisissez une partie enregistrée à ouvrir</translation>
    </message>
</context>
<context>
    <name>tollmere::Games</name>
    <message>
        <source>Fortune&apos;s Favor</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>French keeps the English name: the game has no established French one.</translatorcomment>
        <translation>Fortune&apos;s Favor</translation>
    </message>
    <message>
        <source>Accordion</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Accordéon is the established French name of this game.</translatorcomment>
        <translation>Accordéon</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>French keeps the English name: the game has no established French one.</translatorcomment>
        <translation>Beleaguered Castle</translation>
    </message>
    <message>
        <source>Calculation</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>French keeps the English name: the game has no established French one.</translatorcomment>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Quadrille</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Quadrille is French already and keeps its name.</translatorcomment>
        <translation>Quadrille</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>French keeps the English name: the game has no established French one.</translatorcomment>
        <translation>Chameleon</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>French keeps the English name: the game has no established French one.</translatorcomment>
        <translation>Four Seasons</translation>
    </message>
    <message>
        <source>Queen&apos;s Audience</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>French keeps the English name: the game has no established French one.</translatorcomment>
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
        <translation>Pile 1</translation>
    </message>
    <message>
        <source>Pile 2</source>
        <translation>Pile 2</translation>
    </message>
    <message>
        <source>Pile 3</source>
        <translation>Pile 3</translation>
    </message>
    <message>
        <source>Pile 4</source>
        <translation>Pile 4</translation>
    </message>
    <message>
        <source>Pile 5</source>
        <translation>Pile 5</translation>
    </message>
    <message>
        <source>Pile 6</source>
        <translation>Pile 6</translation>
    </message>
    <message>
        <source>Left row 1</source>
        <translation>Rangée gauche 1</translation>
    </message>
    <message>
        <source>Foundation 1</source>
        <translation>Fondation 1</translation>
    </message>
    <message>
        <source>Right row 1</source>
        <translation>Rangée droite 1</translation>
    </message>
    <message>
        <source>Left row 2</source>
        <translation>Rangée gauche 2</translation>
    </message>
    <message>
        <source>Foundation 2</source>
        <translation>Fondation 2</translation>
    </message>
    <message>
        <source>Right row 2</source>
        <translation>Rangée droite 2</translation>
    </message>
    <message>
        <source>Left row 3</source>
        <translation>Rangée gauche 3</translation>
    </message>
    <message>
        <source>Foundation 3</source>
        <translation>Fondation 3</translation>
    </message>
    <message>
        <source>Right row 3</source>
        <translation>Rangée droite 3</translation>
    </message>
    <message>
        <source>Left row 4</source>
        <translation>Rangée gauche 4</translation>
    </message>
    <message>
        <source>Foundation 4</source>
        <translation>Fondation 4</translation>
    </message>
    <message>
        <source>Right row 4</source>
        <translation>Rangée droite 4</translation>
    </message>
    <message>
        <source>Waste 1</source>
        <translation>Défausse 1</translation>
    </message>
    <message>
        <source>Waste 2</source>
        <translation>Défausse 2</translation>
    </message>
    <message>
        <source>Waste 3</source>
        <translation>Défausse 3</translation>
    </message>
    <message>
        <source>Waste 4</source>
        <translation>Défausse 4</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Défausse</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
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
        <translation>Croix haut</translation>
    </message>
    <message>
        <source>Cross left</source>
        <translation>Croix gauche</translation>
    </message>
    <message>
        <source>Cross centre</source>
        <translation>Croix centre</translation>
    </message>
    <message>
        <source>Cross right</source>
        <translation>Croix droite</translation>
    </message>
    <message>
        <source>Cross bottom</source>
        <translation>Croix bas</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Pile %1</translation>
    </message>
    <message>
        <source>Top foundation</source>
        <translation>Fondation du haut</translation>
    </message>
    <message>
        <source>Left foundation</source>
        <translation>Fondation de gauche</translation>
    </message>
    <message>
        <source>Right foundation</source>
        <translation>Fondation de droite</translation>
    </message>
    <message>
        <source>Bottom foundation</source>
        <translation>Fondation du bas</translation>
    </message>
    <message>
        <source>Upper left foundation</source>
        <translation>Fondation en haut à gauche</translation>
    </message>
    <message>
        <source>Upper right foundation</source>
        <translation>Fondation en haut à droite</translation>
    </message>
    <message>
        <source>Lower left foundation</source>
        <translation>Fondation en bas à gauche</translation>
    </message>
    <message>
        <source>Lower right foundation</source>
        <translation>Fondation en bas à droite</translation>
    </message>
    <message>
        <source>Top Queen</source>
        <translation>Dame du haut</translation>
    </message>
    <message>
        <source>Left Queen</source>
        <translation>Dame de gauche</translation>
    </message>
    <message>
        <source>Right Queen</source>
        <translation>Dame de droite</translation>
    </message>
    <message>
        <source>Bottom Queen</source>
        <translation>Dame du bas</translation>
    </message>
    <message>
        <source>Top wall 1</source>
        <translation>Mur du haut 1</translation>
    </message>
    <message>
        <source>Top wall 2</source>
        <translation>Mur du haut 2</translation>
    </message>
    <message>
        <source>Top wall 3</source>
        <translation>Mur du haut 3</translation>
    </message>
    <message>
        <source>Top wall 4</source>
        <translation>Mur du haut 4</translation>
    </message>
    <message>
        <source>Top wall 5</source>
        <translation>Mur du haut 5</translation>
    </message>
    <message>
        <source>Top wall 6</source>
        <translation>Mur du haut 6</translation>
    </message>
    <message>
        <source>Left wall 1</source>
        <translation>Mur de gauche 1</translation>
    </message>
    <message>
        <source>Right wall 1</source>
        <translation>Mur de droite 1</translation>
    </message>
    <message>
        <source>Left wall 2</source>
        <translation>Mur de gauche 2</translation>
    </message>
    <message>
        <source>Foundation 5</source>
        <translation>Fondation 5</translation>
    </message>
    <message>
        <source>Right wall 2</source>
        <translation>Mur de droite 2</translation>
    </message>
    <message>
        <source>Bottom wall 1</source>
        <translation>Mur du bas 1</translation>
    </message>
    <message>
        <source>Bottom wall 2</source>
        <translation>Mur du bas 2</translation>
    </message>
    <message>
        <source>Bottom wall 3</source>
        <translation>Mur du bas 3</translation>
    </message>
    <message>
        <source>Bottom wall 4</source>
        <translation>Mur du bas 4</translation>
    </message>
    <message>
        <source>Bottom wall 5</source>
        <translation>Mur du bas 5</translation>
    </message>
    <message>
        <source>Bottom wall 6</source>
        <translation>Mur du bas 6</translation>
    </message>
</context>
<context>
    <name>tollmere::RecordDialog</name>
    <message>
        <source> Record </source>
        <translation> Statistiques </translation>
    </message>
    <message>
        <source>Played :</source>
        <translation>Jouées :</translation>
    </message>
    <message>
        <source>Won :</source>
        <translation>Gagnées :</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gagnées</translation>
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
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games played and won, for each game</source>
        <translation>Parties jouées et gagnées, pour chaque jeu</translation>
    </message>
    <message>
        <source>%1: played %2, won %3</source>
        <translation>%1 : %2 jouées, %3 gagnées</translation>
    </message>
</context>
<context>
    <name>tollmere::WinDialog</name>
    <message>
        <source> Congratulations </source>
        <translation> Félicitations </translation>
    </message>
    <message>
        <source>You Win !</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
