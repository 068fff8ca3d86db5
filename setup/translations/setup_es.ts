<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>setup</name>
    <message>
        <source>Buffer Overflow</source>
        <translation>Desbordamiento de búfer</translation>
    </message>
    <message>
        <source>Setup Error</source>
        <translation>Error de instalación</translation>
    </message>
    <message>
        <source>Tablewright ~ Quenby Setup</source>
        <translation>Tablewright ~ Instalación de Quenby</translation>
    </message>
</context>
<context>
    <name>setupdlg</name>
    <message>
        <source>Destination Folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Setup will install Quenby in the folder below, and make the folder if it does not exist yet.

To install Quenby somewhere else, type the full path of another folder (~/ stands for your home folder), or choose Browse.</source>
        <translation>La instalación pondrá Quenby en la carpeta de abajo y creará la carpeta si todavía no existe.

Para instalar Quenby en otro lugar, escriba la ruta completa de otra carpeta (~/ representa su carpeta personal) o elija Examinar.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Salir de la instalación</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit Setup ends Setup now: Quenby is not installed and nothing more is copied.

Continue Setup takes you back to where you were.</source>
        <translation>Salir de la instalación termina la instalación ahora: Quenby no se instala y no se copia nada más.

Reanudar la instalación le devuelve adonde estaba.</translation>
    </message>
    <message>
        <source>Setup copies the program Quenby, its sounds and its instructions into the folder you choose, then adds a Tablewright group holding Quenby and Quenby Instructions to your application menu.

The folder is made if it does not exist; files of an earlier installation in it are replaced. It cannot be the folder Setup was started from.

Continue installs into the folder shown. Exit Setup leaves without installing.</source>
        <translation>La instalación copia el programa Quenby, sus sonidos y sus instrucciones en la carpeta que elija y después añade a su menú de aplicaciones un grupo Tablewright con Quenby y Quenby Instructions.

La carpeta se crea si no existe; los archivos de una instalación anterior que contenga se sustituyen. No puede ser la carpeta desde la que se inició la instalación.

Continuar instala en la carpeta indicada. Salir de la instalación sale sin instalar nada.</translation>
    </message>
    <message>
        <source>Setup installs Quenby and adds it to your application menu.</source>
        <translation>La instalación instala Quenby y lo añade a su menú de aplicaciones.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Salir de la instalación</translation>
    </message>
    <message>
        <source>Quenby is not installed yet.

If you exit now, nothing more is copied. You can run Setup again at any time to install Quenby.</source>
        <translation>Quenby todavía no está instalado.

Si sale ahora, no se copia nada más. Puede volver a ejecutar la instalación en cualquier momento para instalar Quenby.</translation>
    </message>
    <message>
        <source>&amp;Continue Setup</source>
        <translation>&amp;Reanudar la instalación</translation>
    </message>
    <message>
        <source>Setup Failed</source>
        <translation>Error en la instalación</translation>
    </message>
    <message>
        <source>Setup could not install Quenby.

Some of its files may be missing from the folder Setup was started from, or the destination folder could not be written. Check both, then run Setup again.</source>
        <translation>No se pudo instalar Quenby.

Puede que falten algunos de sus archivos en la carpeta desde la que se inició la instalación, o que no se haya podido escribir en la carpeta de destino. Compruebe ambas cosas y vuelva a ejecutar la instalación.</translation>
    </message>
    <message>
        <source>Setup Complete</source>
        <translation>Instalación completada</translation>
    </message>
    <message>
        <source>Quenby is installed.

You will find Quenby and Quenby Instructions in the Tablewright group of your application menu.</source>
        <translation>Quenby está instalado.

Encontrará Quenby y Quenby Instructions en el grupo Tablewright de su menú de aplicaciones.</translation>
    </message>
    <message>
        <source>Setup Help</source>
        <translation>Ayuda de la instalación</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Folder Not Accepted</source>
        <translation>Carpeta no aceptada</translation>
    </message>
    <message>
        <source>Quenby cannot be installed in that folder.

Type the full path of a folder you are allowed to write to, starting with / (or ~/ for your home folder). It must not be the folder Setup was started from.</source>
        <translation>Quenby no se puede instalar en esa carpeta.

Escriba la ruta completa de una carpeta en la que tenga permiso de escritura, empezando por / (o ~/ para su carpeta personal). No puede ser la carpeta desde la que se inició la instalación.</translation>
    </message>
    <message>
        <source>Install Quenby In</source>
        <translation>Instalar Quenby en</translation>
    </message>
</context>
<context>
    <name>setupkit</name>
    <message>
        <source>Copying Files</source>
        <translation>Copiando archivos</translation>
    </message>
    <message>
        <source>Copying files...</source>
        <translation>Copiando archivos...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
</context>
</TS>
