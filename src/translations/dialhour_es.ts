<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Answer</name>
    <message>
        <source>.</source>
        <comment>after a time within calling hours</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>. DO NOT CALL.</source>
        <translation>. NO LLAMAR.</translation>
    </message>
    <message>
        <source> &amp; </source>
        <comment>between the last two places of a list</comment>
        <translation> y </translation>
    </message>
    <message>
        <source>Toll-free</source>
        <translation>Gratuito</translation>
    </message>
    <message>
        <source>Premium-rate (calls cost extra)</source>
        <translation>Tarifa especial (llamadas con recargo)</translation>
    </message>
    <message>
        <source>Non-geographic services</source>
        <translation>Servicios no geográficos</translation>
    </message>
    <message>
        <source>Canadian non-geographic services</source>
        <translation>Servicios no geográficos canadienses</translation>
    </message>
    <message>
        <source>Long-distance carriers</source>
        <translation>Operadores de larga distancia</translation>
    </message>
    <message>
        <source>Area Code:      </source>
        <translation>Código de área: </translation>
    </message>
    <message>
        <source>Time:              </source>
        <translation>Hora:                 </translation>
    </message>
    <message>
        <source>Also:               </source>
        <translation>También:            </translation>
    </message>
    <message>
        <source>State:             </source>
        <translation>Estado:              </translation>
    </message>
    <message>
        <source>Location:         </source>
        <translation>Lugar:                </translation>
    </message>
    <message>
        <source>Sorry, no such area code</source>
        <translation>Lo sentimos, no existe ese código de área</translation>
    </message>
    <message>
        <source>Service:          </source>
        <translation>Servicio:            </translation>
    </message>
    <message>
        <source>none: not tied to one place</source>
        <translation>ninguna: sin lugar fijo</translation>
    </message>
    <message>
        <source>No North American telephone number there</source>
        <translation>No hay ningún número de teléfono norteamericano</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Register at</source>
        <translation>Regístrese en</translation>
    </message>
    <message>
        <source>to get updates</source>
        <translation>para recibir novedades</translation>
    </message>
    <message>
        <source>and support. Send</source>
        <translation>y soporte. Envíe</translation>
    </message>
    <message>
        <source>errors to </source>
        <translation>los errores a </translation>
    </message>
    <message>
        <source>Please enter Area Code by clicking on the number pad:</source>
        <translation>Marque el código de área en el teclado numérico:</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Paste number</source>
        <translation>Pegar número</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The time, call advice and places of a North American area code.</source>
        <translation>La hora, el consejo de llamada y los lugares de un código de área norteamericano.</translation>
    </message>
    <message>
        <source>number</source>
        <comment>the name of the argument in --help</comment>
        <translation>número</translation>
    </message>
    <message>
        <source>A telephone number or tel: link to answer.</source>
        <translation>Un número de teléfono o enlace tel: cuya hora dar.</translation>
    </message>
</context>
</TS>
