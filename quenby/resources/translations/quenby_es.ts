<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quenby</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Not allowed: the %1 went back</source>
        <translation>No permitido: %1 vuelve a su sitio</translation>
    </message>
    <message>
        <source>The %1 went back</source>
        <translation>%1 vuelve a su sitio</translation>
    </message>
    <message>
        <source>Holding the %1</source>
        <translation>%1 en la mano</translation>
    </message>
    <message>
        <source>Holding the %1 and %2 more</source>
        <translation>%1 y %2 más en la mano</translation>
    </message>
    <message>
        <source>1 card dealt</source>
        <translation>1 carta repartida</translation>
    </message>
    <message>
        <source>%1 cards dealt</source>
        <translation>%1 cartas repartidas</translation>
    </message>
    <message>
        <source>The Waste turned back into the Stock</source>
        <translation>El descarte vuelve al mazo</translation>
    </message>
    <message>
        <source>The Stock is empty</source>
        <translation>El mazo está vacío</translation>
    </message>
    <message>
        <source>Nothing to lift here</source>
        <translation>Aquí no hay nada que coger</translation>
    </message>
    <message>
        <source>You won!</source>
        <translation>¡Ha ganado!</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Parterre</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Ramo</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A pile&apos;s name and its number, as in &quot;Column 3&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Alfombra</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
</context>
<context>
    <name>quenby::AboutDialog</name>
    <message>
        <source>About Quenby</source>
        <translation>Acerca de Quenby</translation>
    </message>
    <message>
        <source>Quenby icon</source>
        <translation>Icono de Quenby</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versión 2.0</translation>
    </message>
</context>
<context>
    <name>quenby::CMainFrame</name>
    <message>
        <source>&amp;Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>&amp;Auld Lang Syne</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>&amp;Canfield</source>
        <translatorcomment>Kept in English: Spanish players know the game by this name.</translatorcomment>
        <translation>&amp;Canfield</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translatorcomment>Kept in English: Spanish players know the game by this name.</translatorcomment>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>&amp;Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>&amp;Flower Garden</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>Flower Garden</translation>
    </message>
    <message>
        <source>&amp;Grannies Clock</source>
        <translatorcomment>Kept in English: Spanish calls the plain clock patience &quot;el Reloj&quot;, but this game has no established Spanish name of its own.</translatorcomment>
        <translation>&amp;Grannies Clock</translation>
    </message>
    <message>
        <source>Grannies Clock</source>
        <translatorcomment>Kept in English: Spanish calls the plain clock patience &quot;el Reloj&quot;, but this game has no established Spanish name of its own.</translatorcomment>
        <translation>Grannies Clock</translation>
    </message>
    <message>
        <source>&amp;Klondike</source>
        <translatorcomment>Kept in English: Spanish players know the game by this name.</translatorcomment>
        <translation>&amp;Klondike</translation>
    </message>
    <message>
        <source>Klondike</source>
        <translatorcomment>Kept in English: Spanish players know the game by this name.</translatorcomment>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>&amp;Little Spider</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>&amp;Little Spider</translation>
    </message>
    <message>
        <source>Little Spider</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>Little Spider</translation>
    </message>
    <message>
        <source>&amp;Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>&amp;Magic Carpet</translation>
    </message>
    <message>
        <source>Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>Magic Carpet</translation>
    </message>
    <message>
        <source>&amp;Osmosis</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>&amp;Osmosis</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translatorcomment>Kept in English: the game has no established Spanish name.</translatorcomment>
        <translation>Osmosis</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Decks</source>
        <translation>&amp;Reversos</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Color de fondo</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About Quenby...</source>
        <translation>&amp;Acerca de Quenby...</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyDoc</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyView</name>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
</context>
<context>
    <name>quenby::DeckDialog</name>
    <message>
        <source>Decks</source>
        <translation>Reversos</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Reversos de las cartas</translation>
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
</TS>
