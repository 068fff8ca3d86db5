<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tollmere::CMainFrame</name>
    <message>
        <source>On Line Instructions
Help</source>
        <translation>Ver las instrucciones
Ayuda</translation>
    </message>
    <message>
        <source>About Tollmere
About</source>
        <translation>Acerca de Tollmere
Acerca de</translation>
    </message>
    <message>
        <source>Quit Playing
Exit</source>
        <translation>Dejar de jugar
Salir</translation>
    </message>
    <message>
        <source>Open A Previously Saved Game
Open</source>
        <translation>Abrir una partida guardada
Abrir</translation>
    </message>
    <message>
        <source>Save This Game
Save</source>
        <translation>Guardar esta partida
Guardar</translation>
    </message>
    <message>
        <source>Set Table Color
Color</source>
        <translation>Elegir el color de la mesa
Color</translation>
    </message>
    <message>
        <source>Change Decks
Decks</source>
        <translation>Cambiar el reverso de las cartas
Reversos</translation>
    </message>
    <message>
        <source>Review Record
Record</source>
        <translation>Ver las estadísticas
Estadísticas</translation>
    </message>
    <message>
        <source>Toggle Sound
Sound</source>
        <translation>Activar o desactivar el sonido
Sonido</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Barra de juegos</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Jugar a %1</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>What happened last</source>
        <translation>Lo último que ha pasado</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Resize the window</source>
        <translation>Cambiar el tamaño de la ventana</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Bloq Mayús activado</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Bloq Mayús desactivado</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Bloq Num activado</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Bloq Num desactivado</translation>
    </message>
    <message>
        <source>Scroll Lock on</source>
        <translation>Bloq Despl activado</translation>
    </message>
    <message>
        <source>Scroll Lock off</source>
        <translation>Bloq Despl desactivado</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;juegos</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>tollmere::CSolView</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 lifted from %2</source>
        <translation>Se levanta %1 de %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 back to %2</source>
        <translation>%1 vuelve a %2</translation>
    </message>
    <message>
        <source>1 card dealt from the stock</source>
        <translation>1 carta repartida del mazo</translation>
    </message>
    <message numerus="yes">
        <source>%n cards dealt from the stock</source>
        <translation>
            <numerusform>%n carta repartida del mazo</numerusform>
            <numerusform>%n cartas repartidas del mazo</numerusform>
        </translation>
    </message>
    <message>
        <source>The waste turned over into the stock</source>
        <translation>El descarte vuelve boca abajo al mazo</translation>
    </message>
    <message>
        <source>Nothing to lift from %1</source>
        <translation>No hay nada que levantar de %1</translation>
    </message>
    <message>
        <source>%1. You won!</source>
        <translation>%1. ¡Ha ganado!</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Imagen del título</translation>
    </message>
    <message>
        <source>The card table</source>
        <translation>La mesa de juego</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.</source>
        <translation>No se pudo guardar la partida en %1.</translation>
    </message>
</context>
<context>
    <name>tollmere::DeckDialog</name>
    <message>
        <source>Select A Deck</source>
        <translation>Elegir un reverso</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Reversos</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Reverso %1 de %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tollmere::GameDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
No se encuentra el archivo.
Compruebe que el nombre del archivo es correcto.</translation>
    </message>
    <message>
        <source>No file matches %1, so the game was not saved.
A name with * or ? picks the files listed; to save, choose a name without them.</source>
        <translation>Ningún archivo coincide con %1, así que la partida no se ha guardado.
Un nombre con * o ? elige los archivos de la lista; para guardar, elija un nombre sin ellos.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Name the file to save this game in</source>
        <translation>Escriba el nombre del archivo donde guardar esta partida</translation>
    </message>
    <message>
        <source>Choose a saved game to open</source>
        <translation>Elija una partida guardada para abrirla</translation>
    </message>
</context>
<context>
    <name>tollmere::Games</name>
    <message>
        <source>Fortune&apos;s Favor</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Fortune&apos;s Favor</translation>
    </message>
    <message>
        <source>Accordion</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Acordeón is the established Spanish name of this game.</translatorcomment>
        <translation>Acordeón</translation>
    </message>
    <message>
        <source>Beleaguered Castle</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Beleaguered Castle</translation>
    </message>
    <message>
        <source>Calculation</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Quadrille</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Quadrille</translation>
    </message>
    <message>
        <source>Chameleon</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Chameleon</translation>
    </message>
    <message>
        <source>Four Seasons</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Four Seasons</translation>
    </message>
    <message>
        <source>Queen&apos;s Audience</source>
        <extracomment>A game&apos;s name: translated only where the language has an established name for it.</extracomment>
        <translatorcomment>Spanish keeps the English name: the game has no established Spanish one.</translatorcomment>
        <translation>Queen&apos;s Audience</translation>
    </message>
</context>
<context>
    <name>tollmere::Piles</name>
    <message>
        <source>Stock</source>
        <translation>Mazo</translation>
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
        <translation>Fila izquierda 1</translation>
    </message>
    <message>
        <source>Foundation 1</source>
        <translation>Base 1</translation>
    </message>
    <message>
        <source>Right row 1</source>
        <translation>Fila derecha 1</translation>
    </message>
    <message>
        <source>Left row 2</source>
        <translation>Fila izquierda 2</translation>
    </message>
    <message>
        <source>Foundation 2</source>
        <translation>Base 2</translation>
    </message>
    <message>
        <source>Right row 2</source>
        <translation>Fila derecha 2</translation>
    </message>
    <message>
        <source>Left row 3</source>
        <translation>Fila izquierda 3</translation>
    </message>
    <message>
        <source>Foundation 3</source>
        <translation>Base 3</translation>
    </message>
    <message>
        <source>Right row 3</source>
        <translation>Fila derecha 3</translation>
    </message>
    <message>
        <source>Left row 4</source>
        <translation>Fila izquierda 4</translation>
    </message>
    <message>
        <source>Foundation 4</source>
        <translation>Base 4</translation>
    </message>
    <message>
        <source>Right row 4</source>
        <translation>Fila derecha 4</translation>
    </message>
    <message>
        <source>Waste 1</source>
        <translation>Descarte 1</translation>
    </message>
    <message>
        <source>Waste 2</source>
        <translation>Descarte 2</translation>
    </message>
    <message>
        <source>Waste 3</source>
        <translation>Descarte 3</translation>
    </message>
    <message>
        <source>Waste 4</source>
        <translation>Descarte 4</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Tableau 1</source>
        <translation>Tablero 1</translation>
    </message>
    <message>
        <source>Tableau 2</source>
        <translation>Tablero 2</translation>
    </message>
    <message>
        <source>Tableau 3</source>
        <translation>Tablero 3</translation>
    </message>
    <message>
        <source>Tableau 4</source>
        <translation>Tablero 4</translation>
    </message>
    <message>
        <source>Tableau 5</source>
        <translation>Tablero 5</translation>
    </message>
    <message>
        <source>Tableau 6</source>
        <translation>Tablero 6</translation>
    </message>
    <message>
        <source>Tableau 7</source>
        <translation>Tablero 7</translation>
    </message>
    <message>
        <source>Tableau 8</source>
        <translation>Tablero 8</translation>
    </message>
    <message>
        <source>Tableau 9</source>
        <translation>Tablero 9</translation>
    </message>
    <message>
        <source>Tableau 10</source>
        <translation>Tablero 10</translation>
    </message>
    <message>
        <source>Tableau 11</source>
        <translation>Tablero 11</translation>
    </message>
    <message>
        <source>Tableau 12</source>
        <translation>Tablero 12</translation>
    </message>
    <message>
        <source>Cross top</source>
        <translation>Cruz arriba</translation>
    </message>
    <message>
        <source>Cross left</source>
        <translation>Cruz izquierda</translation>
    </message>
    <message>
        <source>Cross centre</source>
        <translation>Cruz centro</translation>
    </message>
    <message>
        <source>Cross right</source>
        <translation>Cruz derecha</translation>
    </message>
    <message>
        <source>Cross bottom</source>
        <translation>Cruz abajo</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Pila %1</translation>
    </message>
    <message>
        <source>Top foundation</source>
        <translation>Base de arriba</translation>
    </message>
    <message>
        <source>Left foundation</source>
        <translation>Base izquierda</translation>
    </message>
    <message>
        <source>Right foundation</source>
        <translation>Base derecha</translation>
    </message>
    <message>
        <source>Bottom foundation</source>
        <translation>Base de abajo</translation>
    </message>
    <message>
        <source>Upper left foundation</source>
        <translation>Base arriba a la izquierda</translation>
    </message>
    <message>
        <source>Upper right foundation</source>
        <translation>Base arriba a la derecha</translation>
    </message>
    <message>
        <source>Lower left foundation</source>
        <translation>Base abajo a la izquierda</translation>
    </message>
    <message>
        <source>Lower right foundation</source>
        <translation>Base abajo a la derecha</translation>
    </message>
    <message>
        <source>Top Queen</source>
        <translation>Reina de arriba</translation>
    </message>
    <message>
        <source>Left Queen</source>
        <translation>Reina izquierda</translation>
    </message>
    <message>
        <source>Right Queen</source>
        <translation>Reina derecha</translation>
    </message>
    <message>
        <source>Bottom Queen</source>
        <translation>Reina de abajo</translation>
    </message>
    <message>
        <source>Top wall 1</source>
        <translation>Pared de arriba 1</translation>
    </message>
    <message>
        <source>Top wall 2</source>
        <translation>Pared de arriba 2</translation>
    </message>
    <message>
        <source>Top wall 3</source>
        <translation>Pared de arriba 3</translation>
    </message>
    <message>
        <source>Top wall 4</source>
        <translation>Pared de arriba 4</translation>
    </message>
    <message>
        <source>Top wall 5</source>
        <translation>Pared de arriba 5</translation>
    </message>
    <message>
        <source>Top wall 6</source>
        <translation>Pared de arriba 6</translation>
    </message>
    <message>
        <source>Left wall 1</source>
        <translation>Pared izquierda 1</translation>
    </message>
    <message>
        <source>Right wall 1</source>
        <translation>Pared derecha 1</translation>
    </message>
    <message>
        <source>Left wall 2</source>
        <translation>Pared izquierda 2</translation>
    </message>
    <message>
        <source>Foundation 5</source>
        <translation>Base 5</translation>
    </message>
    <message>
        <source>Right wall 2</source>
        <translation>Pared derecha 2</translation>
    </message>
    <message>
        <source>Bottom wall 1</source>
        <translation>Pared de abajo 1</translation>
    </message>
    <message>
        <source>Bottom wall 2</source>
        <translation>Pared de abajo 2</translation>
    </message>
    <message>
        <source>Bottom wall 3</source>
        <translation>Pared de abajo 3</translation>
    </message>
    <message>
        <source>Bottom wall 4</source>
        <translation>Pared de abajo 4</translation>
    </message>
    <message>
        <source>Bottom wall 5</source>
        <translation>Pared de abajo 5</translation>
    </message>
    <message>
        <source>Bottom wall 6</source>
        <translation>Pared de abajo 6</translation>
    </message>
</context>
<context>
    <name>tollmere::RecordDialog</name>
    <message>
        <source> Record </source>
        <translation> Estadísticas </translation>
    </message>
    <message>
        <source>Played :</source>
        <translation>Jugadas:</translation>
    </message>
    <message>
        <source>Won :</source>
        <translation>Ganadas:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tollmere::RecordListBox</name>
    <message>
        <source>Record</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Games played and won, for each game</source>
        <translation>Partidas jugadas y ganadas de cada juego</translation>
    </message>
    <message>
        <source>%1: played %2, won %3</source>
        <translation>%1: %2 jugadas, %3 ganadas</translation>
    </message>
</context>
<context>
    <name>tollmere::WinDialog</name>
    <message>
        <source> Congratulations </source>
        <translation> Enhorabuena </translation>
    </message>
    <message>
        <source>You Win !</source>
        <translation>¡Ha ganado!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
