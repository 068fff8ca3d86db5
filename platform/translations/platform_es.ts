<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>platform::Cards</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 de tréboles</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 de diamantes</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 de corazones</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 de picas</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta boca abajo</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: sin cartas</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 on top, %3</source>
        <translation>%1: %2 arriba, %3</translation>
    </message>
    <message>
        <source>, %1 face down</source>
        <translation>, %1 boca abajo</translation>
    </message>
</context>
<context>
    <name>platform::Colour</name>
    <message>
        <source>Hue and saturation</source>
        <translation>Tono y saturación</translation>
    </message>
    <message>
        <source>Pick a hue across and a saturation down</source>
        <translation>Elija el tono en horizontal y la saturación en vertical</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Pick how light the colour is</source>
        <translation>Elija la luminosidad del color</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Color elegido</translation>
    </message>
    <message>
        <source>The colour as it is now chosen</source>
        <translation>El color tal como está elegido</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Help is not available&lt;/h3&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or could not be read.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La ayuda no está disponible&lt;/h3&gt;&lt;p&gt;No se ha encontrado el archivo de ayuda &lt;b&gt;%1&lt;/b&gt; o no se ha podido leer.&lt;/p&gt;</translation>
    </message>
</context>
</TS>
