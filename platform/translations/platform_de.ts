<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>platform::Cards</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>Kreuz-%1</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>Karo-%1</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>Herz-%1</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>Pik-%1</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>verdeckte Karte</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 on top, %3</source>
        <translation>%1: %2 oben, %3</translation>
    </message>
    <message>
        <source>, %1 face down</source>
        <translation>, %1 verdeckt</translation>
    </message>
</context>
<context>
    <name>platform::Colour</name>
    <message>
        <source>Hue and saturation</source>
        <translation>Farbton und Sättigung</translation>
    </message>
    <message>
        <source>Pick a hue across and a saturation down</source>
        <translation>Wählen Sie waagerecht den Farbton und senkrecht die Sättigung</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Pick how light the colour is</source>
        <translation>Wählen Sie, wie hell die Farbe ist</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Gewählte Farbe</translation>
    </message>
    <message>
        <source>The colour as it is now chosen</source>
        <translation>Die Farbe, wie sie jetzt gewählt ist</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Help is not available&lt;/h3&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or could not be read.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Die Hilfe ist nicht verfügbar&lt;/h3&gt;&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden oder konnte nicht gelesen werden.&lt;/p&gt;</translation>
    </message>
</context>
</TS>
