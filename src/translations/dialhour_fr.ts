<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Answer</name>
    <message>
        <source>.</source>
        <comment>after a time within calling hours</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>. DO NOT CALL.</source>
        <translation>. NE PAS APPELER.</translation>
    </message>
    <message>
        <source> &amp; </source>
        <comment>between the last two places of a list</comment>
        <translation> et </translation>
    </message>
    <message>
        <source>Toll-free</source>
        <translation>Sans frais</translation>
    </message>
    <message>
        <source>Premium-rate (calls cost extra)</source>
        <translation>Surtaxé (appels payants)</translation>
    </message>
    <message>
        <source>Non-geographic services</source>
        <translation>Services non géographiques</translation>
    </message>
    <message>
        <source>Canadian non-geographic services</source>
        <translation>Services non géographiques canadiens</translation>
    </message>
    <message>
        <source>Long-distance carriers</source>
        <translation>Fournisseurs interurbains</translation>
    </message>
    <message>
        <source>Area Code:      </source>
        <translation>Indicatif :         </translation>
    </message>
    <message>
        <source>Time:              </source>
        <translation>Heure :            </translation>
    </message>
    <message>
        <source>Also:               </source>
        <translation>Aussi :             </translation>
    </message>
    <message>
        <source>State:             </source>
        <translation>État :               </translation>
    </message>
    <message>
        <source>Location:         </source>
        <translation>Lieu :               </translation>
    </message>
    <message>
        <source>Sorry, no such area code</source>
        <translation>Désolé, cet indicatif n'existe pas</translation>
    </message>
    <message>
        <source>Service:          </source>
        <translation>Service :          </translation>
    </message>
    <message>
        <source>none: not tied to one place</source>
        <translation>aucune : sans lieu précis</translation>
    </message>
    <message>
        <source>No North American telephone number there</source>
        <translation>Aucun numéro de téléphone nord-américain ici</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Register at</source>
        <translation>Inscrivez-vous sur</translation>
    </message>
    <message>
        <source>to get updates</source>
        <translation>pour les mises à jour</translation>
    </message>
    <message>
        <source>and support. Send</source>
        <translation>et l'assistance.</translation>
    </message>
    <message>
        <source>errors to </source>
        <translation>Erreurs à </translation>
    </message>
    <message>
        <source>Please enter Area Code by clicking on the number pad:</source>
        <translation>Entrez l'indicatif régional sur le clavier :</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Paste number</source>
        <translation>Coller le numéro</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The time, call advice and places of a North American area code.</source>
        <translation>L'heure, le conseil d'appel et les lieux d'un indicatif régional nord-américain.</translation>
    </message>
    <message>
        <source>number</source>
        <comment>the name of the argument in --help</comment>
        <translation>numéro</translation>
    </message>
    <message>
        <source>A telephone number or tel: link to answer.</source>
        <translation>Un numéro de téléphone ou un lien tel: dont donner l'heure.</translation>
    </message>
</context>
</TS>
