#!/usr/bin/env python3
"""Makes data/oefenblad.docx: the worksheet template with named legacy text form fields.

The page follows the printed worksheet: title, subtitle, three blocks of five rows with two
exercises each (exercise, "=" and the answer), and the result line. The program fills the fields
"titel", "ondertitel", "resultaat", "oef0".."oef29", "opl0".."opl29" and "bladcode" (the code that
makes the same sheet again, small at the foot) by name.
Only the Python standard library is used; the output is byte-for-byte reproducible.
"""

import pathlib
import sys
import zipfile
from xml.sax.saxutils import escape

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PR = "http://schemas.openxmlformats.org/package/2006/relationships"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
FONT = "Comic Neue"
FALLBACK = "Comic Sans MS"
PLACEHOLDER = "\u2002" * 5  # what Word puts in an empty text form field
STAMP = (2024, 1, 1, 0, 0, 0)

# A4 with narrow side margins, so that the widest exercise ("100000-50000" at 18 pt is 123 pt) and the
# widest answer ("= 100000") fit on one line with a digit to spare.
PAGE_WIDTH = 11906
SIDE_MARGIN = 794
# Column widths in twips of the exercise tables: exercise, "= answer", exercise, "= answer".
COLUMNS = (3080, 2079, 3080, 2079)
assert sum(COLUMNS) == PAGE_WIDTH - 2 * SIDE_MARGIN


def run_props(size, bold=False, underline=False):
    # The schema fixes the order of these elements; Word refuses a document that breaks it.
    props = "<w:b/>" if bold else ""
    props += f'<w:sz w:val="{size * 2}"/><w:szCs w:val="{size * 2}"/>'
    props += '<w:u w:val="single"/>' if underline else ""
    return f"<w:rPr>{props}</w:rPr>"


def text_run(text, rpr):
    return f'<w:r>{rpr}<w:t xml:space="preserve">{escape(text)}</w:t></w:r>'


class Fields:
    """Numbers the bookmarks that Word keeps beside each form field."""

    def __init__(self):
        self.next_id = 0

    def field(self, name, rpr):
        bid = self.next_id
        self.next_id += 1
        ffdata = (f'<w:ffData><w:name w:val="{name}"/><w:enabled/><w:calcOnExit w:val="0"/>'
                  "<w:textInput/></w:ffData>")
        return (f'<w:bookmarkStart w:id="{bid}" w:name="{name}"/>'
                f'<w:r>{rpr}<w:fldChar w:fldCharType="begin">{ffdata}</w:fldChar></w:r>'
                f'<w:r>{rpr}<w:instrText xml:space="preserve"> FORMTEXT </w:instrText></w:r>'
                f'<w:r>{rpr}<w:fldChar w:fldCharType="separate"/></w:r>'
                f"{text_run(PLACEHOLDER, rpr)}"
                f'<w:r>{rpr}<w:fldChar w:fldCharType="end"/></w:r>'
                f'<w:bookmarkEnd w:id="{bid}"/>')


def paragraph(content, spacing_after=0, align=None):
    jc = f'<w:jc w:val="{align}"/>' if align else ""
    ppr = f'<w:pPr><w:spacing w:after="{spacing_after}"/>{jc}</w:pPr>'
    return f"<w:p>{ppr}{content}</w:p>"


def cell(width, content):
    return (f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/><w:vAlign w:val="bottom"/></w:tcPr>'
            f"<w:p>{content}</w:p></w:tc>")


def block(fields, first_slot, rpr):
    borders = "".join(f'<w:{side} w:val="nil"/>'
                      for side in ("top", "left", "bottom", "right", "insideH", "insideV"))
    grid = "".join(f'<w:gridCol w:w="{width}"/>' for width in COLUMNS)
    rows = []
    for row in range(5):
        cells = []
        for column, slot in enumerate((first_slot + row, first_slot + row + 5)):
            cells.append(cell(COLUMNS[2 * column], fields.field(f"oef{slot}", rpr)))
            cells.append(cell(COLUMNS[2 * column + 1],
                              text_run("= ", rpr) + fields.field(f"opl{slot}", rpr)))
        rows.append('<w:tr><w:trPr><w:trHeight w:val="600"/></w:trPr>' + "".join(cells) + "</w:tr>")
    props = (f'<w:tblPr><w:tblW w:w="{sum(COLUMNS)}" w:type="dxa"/><w:tblInd w:w="0" w:type="dxa"/>'
             f'<w:tblBorders>{borders}</w:tblBorders><w:tblLayout w:type="fixed"/></w:tblPr>')
    return f"<w:tbl>{props}<w:tblGrid>{grid}</w:tblGrid>{''.join(rows)}</w:tbl>"


def document_xml():
    fields = Fields()
    body = [
        paragraph(fields.field("titel", run_props(24, bold=True, underline=True)), 240),
        paragraph(fields.field("ondertitel", run_props(18, underline=True)), 360),
    ]
    exercise = run_props(18)
    for first_slot in (0, 10, 20):
        if first_slot:
            body.append(paragraph(""))
        body.append(block(fields, first_slot, exercise))
    body.append(paragraph(""))
    body.append(paragraph(fields.field("resultaat", run_props(22, bold=True))))
    code = run_props(8)
    body.append(paragraph(""))
    body.append(paragraph(text_run("Bladcode: ", code) + fields.field("bladcode", code), align="right"))
    section = (f'<w:sectPr><w:pgSz w:w="{PAGE_WIDTH}" w:h="16838"/>'
               f'<w:pgMar w:top="1134" w:right="{SIDE_MARGIN}" w:bottom="1134" w:left="{SIDE_MARGIN}" '
               'w:header="567" w:footer="567" w:gutter="0"/></w:sectPr>')
    return (f'{DECL}<w:document xmlns:w="{W}" xmlns:r="{R}"><w:body>'
            f'{"".join(body)}{section}</w:body></w:document>')


def styles_xml():
    fonts = f'<w:rFonts w:ascii="{FONT}" w:hAnsi="{FONT}" w:cs="{FONT}" w:eastAsia="{FONT}"/>'
    return (f'{DECL}<w:styles xmlns:w="{W}">'
            f'<w:docDefaults><w:rPrDefault><w:rPr>{fonts}<w:sz w:val="24"/><w:szCs w:val="24"/>'
            '<w:lang w:val="nl-BE"/></w:rPr></w:rPrDefault>'
            '<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr>'
            '</w:pPrDefault></w:docDefaults>'
            '<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/>'
            '<w:qFormat/></w:style>'
            '<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont">'
            '<w:name w:val="Default Paragraph Font"/><w:uiPriority w:val="1"/><w:semiHidden/></w:style>'
            '<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/>'
            '<w:semiHidden/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar>'
            '<w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/>'
            '<w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>'
            '</w:tblCellMar></w:tblPr></w:style>'
            "</w:styles>")


def settings_xml():
    return (f'{DECL}<w:settings xmlns:w="{W}"><w:zoom w:percent="100"/>'
            '<w:defaultTabStop w:val="708"/><w:characterSpacingControl w:val="doNotCompress"/>'
            '<w:compat><w:compatSetting w:name="compatibilityMode" '
            'w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>'
            "</w:settings>")


def font_table_xml():
    # altName names the font Word falls back to where Comic Neue is not installed.
    return (f'{DECL}<w:fonts xmlns:w="{W}">'
            f'<w:font w:name="{FONT}"><w:altName w:val="{FALLBACK}"/><w:family w:val="script"/>'
            '<w:pitch w:val="variable"/></w:font>'
            f'<w:font w:name="{FALLBACK}"><w:panose1 w:val="030F0702030302020204"/>'
            '<w:charset w:val="00"/><w:family w:val="script"/><w:pitch w:val="variable"/></w:font>'
            "</w:fonts>")


def content_types_xml():
    ct = "application/vnd.openxmlformats-officedocument"
    overrides = [
        ("/word/document.xml", f"{ct}.wordprocessingml.document.main+xml"),
        ("/word/styles.xml", f"{ct}.wordprocessingml.styles+xml"),
        ("/word/settings.xml", f"{ct}.wordprocessingml.settings+xml"),
        ("/word/fontTable.xml", f"{ct}.wordprocessingml.fontTable+xml"),
        ("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"),
        ("/docProps/app.xml", f"{ct}.extended-properties+xml"),
    ]
    parts = "".join(f'<Override PartName="{name}" ContentType="{kind}"/>' for name, kind in overrides)
    return (f'{DECL}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            f"{parts}</Types>")


def relationships(rels):
    items = "".join(f'<Relationship Id="rId{i}" Type="{kind}" Target="{target}"/>'
                    for i, (kind, target) in enumerate(rels, start=1))
    return f'{DECL}<Relationships xmlns="{PR}">{items}</Relationships>'


def package_rels():
    return relationships([
        (f"{R}/officeDocument", "word/document.xml"),
        (f"{PR}/metadata/core-properties", "docProps/core.xml"),
        (f"{R}/extended-properties", "docProps/app.xml"),
    ])


def document_rels():
    return relationships([
        (f"{R}/styles", "styles.xml"),
        (f"{R}/settings", "settings.xml"),
        (f"{R}/fontTable", "fontTable.xml"),
    ])


def core_xml():
    return (f'{DECL}<cp:coreProperties '
            'xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
            'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
            'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
            "<dc:title>Oefenblad</dc:title><dc:creator>Tallora</dc:creator><dc:language>nl-BE</dc:language>"
            '<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created>'
            "</cp:coreProperties>")


def app_xml():
    return (f'{DECL}<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">'
            "<Application>Tallora</Application><Pages>1</Pages></Properties>")


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "data" / "oefenblad.docx"
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    parts = [
        ("[Content_Types].xml", content_types_xml()),
        ("_rels/.rels", package_rels()),
        ("word/document.xml", document_xml()),
        ("word/_rels/document.xml.rels", document_rels()),
        ("word/styles.xml", styles_xml()),
        ("word/settings.xml", settings_xml()),
        ("word/fontTable.xml", font_table_xml()),
        ("docProps/core.xml", core_xml()),
        ("docProps/app.xml", app_xml()),
    ]
    with zipfile.ZipFile(target, "w") as archive:
        for name, text in parts:
            info = zipfile.ZipInfo(name, date_time=STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, text.encode("utf-8"))


if __name__ == "__main__":
    main()
