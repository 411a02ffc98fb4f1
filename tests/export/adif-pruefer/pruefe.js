'use strict';
// Reads an ADIF file with an independent reader (tcadif) and reports, as JSON on stdout, every
// record it refuses and every piece of the file that is not a well-formed field:
//   node pruefe.js FILE   exit 0: all records accepted; 1: errors reported; 2: cannot run.
// Stricter than tcadif alone: text between fields (a wrong length leaves some), unknown or
// repeated field names and a header are errors, since the program writes none of them.

const fs = require('fs');
const { Field, QSO, defs } = require('tcadif');

if (process.argv.length !== 3) {
    console.error('Aufruf: node pruefe.js DATEI');
    process.exit(2);
}

// One byte one character, so that the lengths of the tags count bytes.
let rest = fs.readFileSync(process.argv[2]).toString('latin1');
const bekannt = new Set(Object.values(defs.qso).map(Def => new Def().fieldName));
const ergebnis = { saetze: 0, fehler: [], qsos: [] };
let felder = [];

const fehler = (text, mehr = {}) => ergebnis.fehler.push({ satz: ergebnis.saetze + 1, text, ...mehr });

for (;;) {
    const treffer = Field.matcher.exec(rest);
    if (!treffer) {
        if (rest.trim() !== '') {
            fehler('Text nach dem letzten Feld', { text_danach: rest.slice(0, 40) });
        }
        break;
    }
    if (rest.slice(0, treffer.index).trim() !== '') {
        fehler('Text zwischen zwei Feldern', { text_davor: rest.slice(0, treffer.index).slice(-40) });
    }
    const feld = Field.parse(rest);
    if (feld === null) {
        fehler('Feld kürzer als seine Längenangabe', { feld: treffer[0] });
        break;
    }
    rest = rest.slice(feld.bytesConsumed);

    if (feld.fieldName === 'EOH') {
        fehler('Kopf gefunden, erwartet sind nur Sätze');
        felder = [];
        continue;
    }
    if (feld.fieldName !== 'EOR') {
        if (!bekannt.has(feld.fieldName)) {
            fehler('unbekanntes Feld', { feld: feld.fieldName });
        }
        if (felder.some(([name]) => name === feld.fieldName)) {
            fehler('Feld doppelt im Satz', { feld: feld.fieldName });
        }
        felder.push(feld.toEntry());
        continue;
    }

    try {
        ergebnis.qsos.push(new QSO(Object.fromEntries(felder)).toObject());
    } catch (e) {
        fehler(e.message, { feld: e.field, wert: e.value });
    }
    felder = [];
    ergebnis.saetze += 1;
}
if (felder.length > 0) {
    fehler('Satz ohne <eor>');
}

console.log(JSON.stringify(ergebnis));
process.exit(ergebnis.fehler.length > 0 ? 1 : 0);
