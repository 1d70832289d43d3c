#!/usr/bin/env python3
"""Writes the launcher's Qt translation sources from its string table.

Reads ui-client/launcher/texts/strtable-data.cpp and writes one
ui-client/launcher/texts/translations/<code>.ts per language: context "global",
one message per distinct English text, in order of first use. The texts the
launcher shows carry the translations below; every other message carries the
English text, marked unfinished so translators can find it.

Run from anywhere after changing a text of the table; the build compiles the
.ts files into the embedded .qm resources.
"""
import pathlib
import re
from xml.sax.saxutils import escape

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "ui-client/launcher/texts/strtable-data.cpp"
OUT = ROOT / "ui-client/launcher/texts/translations"

READY = "%1 is ready."
INITIALIZING = "%1 is initializing..."
CLIENT = "Velmora Drive Client"

# code: (Qt locale, {English: translation}) for the launcher's own texts.
# The dialog's label holds one line (two would not fit above the bar), so
# each text with the application name for "%1" must fit about 370 pixels at
# 12 points; tests/progress_dialog_test.cpp measures every language at the
# scales 1.0, 1.33, 1.5 and 2.0, and scripts/dialog-screenshot.sh --languages
# draws them all.
LANGUAGES = {
    "chs": ("zh_CN", {READY: "%1 已就绪。", INITIALIZING: "%1 正在初始化...", CLIENT: "Velmora Drive 客户端"}),
    "cht": ("zh_TW", {READY: "%1 已就緒。", INITIALIZING: "%1 正在初始化...", CLIENT: "Velmora Drive 用戶端"}),
    "csy": ("cs_CZ", {READY: "%1 je připraven.", INITIALIZING: "%1 se inicializuje...", CLIENT: "Klient Velmora Drive"}),
    "dan": ("da_DK", {READY: "%1 er klar.", INITIALIZING: "%1 initialiseres...", CLIENT: "Velmora Drive-klient"}),
    "enu": ("en_US", {READY: READY, INITIALIZING: INITIALIZING, CLIENT: CLIENT}),
    "fre": ("fr_FR", {READY: "%1 est prêt.", INITIALIZING: "Initialisation de %1...", CLIENT: "Client Velmora Drive"}),
    "ger": ("de_DE", {READY: "%1 ist bereit.", INITIALIZING: "%1 wird initialisiert...", CLIENT: "Velmora Drive-Client"}),
    "hun": ("hu_HU", {READY: "A(z) %1 készen áll.", INITIALIZING: "A(z) %1 inicializálása...", CLIENT: "Velmora Drive kliens"}),
    "ita": ("it_IT", {READY: "%1 è pronto.", INITIALIZING: "Inizializzazione di %1...", CLIENT: "Client Velmora Drive"}),
    "jpn": ("ja_JP", {READY: "%1の準備完了", INITIALIZING: "%1を初期化中...", CLIENT: "Velmora Drive クライアント"}),
    "krn": ("ko_KR", {READY: "%1이(가) 준비되었습니다.", INITIALIZING: "%1을(를) 초기화하는 중...", CLIENT: "Velmora Drive 클라이언트"}),
    "nld": ("nl_NL", {READY: "%1 is gereed.", INITIALIZING: "%1 wordt geïnitialiseerd...", CLIENT: "Velmora Drive-client"}),
    "nor": ("nb_NO", {READY: "%1 er klar.", INITIALIZING: "%1 initialiseres...", CLIENT: "Velmora Drive-klient"}),
    "plk": ("pl_PL", {READY: "%1 jest gotowy.", INITIALIZING: "Inicjowanie %1...", CLIENT: "Klient Velmora Drive"}),
    "ptb": ("pt_BR", {READY: "%1 está pronto.", INITIALIZING: "Inicializando o %1...", CLIENT: "Cliente Velmora Drive"}),
    "ptg": ("pt_PT", {READY: "%1 está pronto.", INITIALIZING: "A inicializar o %1...", CLIENT: "Cliente Velmora Drive"}),
    "rus": ("ru_RU", {READY: "%1 готов.", INITIALIZING: "Инициализация %1...", CLIENT: "Клиент Velmora Drive"}),
    "spn": ("es_ES", {READY: "%1 está listo.", INITIALIZING: "Inicializando %1...", CLIENT: "Cliente de Velmora Drive"}),
    "sve": ("sv_SE", {READY: "%1 är redo.", INITIALIZING: "%1 initieras...", CLIENT: "Velmora Drive-klient"}),
    "tha": ("th_TH", {READY: "%1 พร้อมใช้งานแล้ว", INITIALIZING: "กำลังเริ่มต้น %1...", CLIENT: "ไคลเอ็นต์ Velmora Drive"}),
    "trk": ("tr_TR", {READY: "%1 hazır.", INITIALIZING: "%1 başlatılıyor...", CLIENT: "Velmora Drive İstemcisi"}),
}

ROW = re.compile(r'^\s*\{"((?:[^"\\]|\\.)*)", "((?:[^"\\]|\\.)*)"\},$')


def unescape_c(text):
    return re.sub(r"\\(.)", r"\1", text)


def distinct_texts():
    texts = []
    seen = set()
    for line in DATA.read_text(encoding="utf-8").splitlines():
        match = ROW.match(line)
        if not match:
            continue
        text = unescape_c(match.group(2))
        if text not in seen:
            seen.add(text)
            texts.append(text)
    return texts


def message(source, translation, finished):
    state = "" if finished else ' type="unfinished"'
    return ("    <message>\n"
            f"        <source>{escape(source)}</source>\n"
            f"        <translation{state}>{escape(translation)}</translation>\n"
            "    </message>\n")


def write_ts(code, locale, translations, texts):
    parts = ['<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n',
             f'<TS version="2.1" language="{locale}" sourcelanguage="en_US">\n',
             "<context>\n    <name>global</name>\n"]
    for text in texts:
        done = text in translations or code == "enu"
        parts.append(message(text, translations.get(text, text), done))
    parts.append("</context>\n</TS>\n")
    (OUT / f"{code}.ts").write_text("".join(parts), encoding="utf-8")


def main():
    texts = distinct_texts()
    OUT.mkdir(parents=True, exist_ok=True)
    for code, (locale, translations) in LANGUAGES.items():
        missing = set(translations) - set(texts)
        if missing:
            raise SystemExit(f"{code}: not in the string table: {sorted(missing)}")
        write_ts(code, locale, translations, texts)
    print(f"wrote {len(LANGUAGES)} files with {len(texts)} messages each to {OUT}")


if __name__ == "__main__":
    main()
