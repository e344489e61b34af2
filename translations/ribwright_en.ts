<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>rw::airfoil_texts</name>
    <message>
        <source>データが不足しています</source>
        <translation>Not enough data</translation>
    </message>
    <message>
        <source>データの行数が多すぎます。読み込めるのは %1 行までです。</source>
        <translation>Too many lines of data. At most %1 lines can be read.</translation>
    </message>
    <message>
        <source>上面のデータ点が多すぎます。空行の前に読み込めるのは %1 点までです。</source>
        <translation>Too many points on the upper surface. At most %1 points can be read before the blank line.</translation>
    </message>
    <message>
        <source>ファイルに座標の行がありません</source>
        <translation>The file has no coordinate lines</translation>
    </message>
    <message>
        <source>%1 行目「%2」は座標の行ではありません</source>
        <extracomment>%1 is the line number, %2 the line as the file has it.</extracomment>
        <translation>Line %1 &quot;%2&quot; is not a coordinate line</translation>
    </message>
    <message>
        <source>%1 行目の上面の点数 %2 がデータの点数 %3 と合いません</source>
        <translation>Line %1: the upper surface count %2 does not match the %3 points of data</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。翼型ファイルとして読み込めるのは %1 MB までです</source>
        <translation>The file is too large. An airfoil file can be at most %1 MB</translation>
    </message>
    <message>
        <source>上面と下面が重なり、輪郭に面積がありません。翼型ではないため読み込めません</source>
        <translation>The upper and lower surfaces overlap and the outline has no area. This is not an airfoil and cannot be read</translation>
    </message>
    <message>
        <source>輪郭が閉じていません (始点と終点が翼弦の %1 % 離れています)。翼型ではないため読み込めません</source>
        <extracomment>%1 is the gap between the first and the last point in percent of the chord.</extracomment>
        <translation>The outline is not closed (its first and last points are %1 % of the chord apart). This is not an airfoil and cannot be read</translation>
    </message>
    <message>
        <source>輪郭が %1 点目の付近で交差しています。面の順序を確かめてください</source>
        <translation>The outline crosses itself near point %1. Check the order of the surfaces</translation>
    </message>
    <message>
        <source>先頭の空行を除きました</source>
        <translation>Removed leading blank lines</translation>
    </message>
    <message>
        <source>タイトル行がないため、ファイル名「%1」をタイトルにしました</source>
        <translation>No title line, so the file name &quot;%1&quot; became the title</translation>
    </message>
    <message>
        <source>座標の前の %1 行を除きました</source>
        <translation>Lines removed before the coordinates: %1</translation>
    </message>
    <message>
        <source>点数の行に従い、上面 %1 点の後に空行を入れて面を分けました</source>
        <translation>Following the point-count line, split the surfaces with a blank line after %1 upper points</translation>
    </message>
    <message>
        <source>%1 行の座標を読める形に書き直しました</source>
        <translation>Rewrote %1 coordinate lines into a readable form</translation>
    </message>
    <message>
        <source>%1 行の注記を除きました</source>
        <translation>Removed %1 comment lines</translation>
    </message>
    <message>
        <source>改行を CR LF に揃えました</source>
        <translation>Made every line end in CR LF</translation>
    </message>
    <message>
        <source>座標の後の空行を除きました</source>
        <translation>Removed blank lines after the coordinates</translation>
    </message>
    <message>
        <source>x が前縁に戻る所で面を分け、上面 %1 点の後に空行を入れました</source>
        <translation>Split the surfaces where x returns to the leading edge, with a blank line after %1 upper points</translation>
    </message>
    <message>
        <source>後縁から書かれた面の点の順序を、前縁からに直しました</source>
        <translation>Reversed a surface written from the trailing edge to run from the leading edge</translation>
    </message>
    <message>
        <source>%1 行目の点数 %2 + %3 がデータの %4 点と合わないため、点数の行を除き形から読みました</source>
        <translation>Line %1: the counts %2 + %3 do not match the %4 points of data, so the count line was removed and the shape read as it is</translation>
    </message>
    <message>
        <source>%1 行目からの 2 つ目の翼型を除き、最初の翼型を読みました</source>
        <translation>Removed the second airfoil from line %1 and read the first one</translation>
    </message>
    <message>
        <source>%1 行目の面の見出しを除き、その後を下面として読みました</source>
        <translation>Removed the surface heading on line %1 and read what follows as the lower surface</translation>
    </message>
    <message>
        <source>%1 点を %2 点に間引きました (最大のずれは翼弦の %3 %)</source>
        <extracomment>%3 is the largest distance of a left-out point from the outline, in percent of the chord.</extracomment>
        <translation>Thinned %1 points to %2 (largest deviation %3 % of the chord)</translation>
    </message>
    <message>
        <source>座標を 100 で割りました</source>
        <translation>Divided the coordinates by 100</translation>
    </message>
    <message>
        <source>座標を前縁が 0、翼弦が 1 になるように揃えました</source>
        <translation>Scaled the coordinates so the leading edge is at 0 and the chord is 1</translation>
    </message>
    <message>
        <source>翼弦線を %1° 回して水平にしました</source>
        <translation>Turned the chord line by %1° to level it</translation>
    </message>
    <message>
        <source>3 列目の値を除き、x と y を読みました</source>
        <translation>Dropped the third column and read x and y</translation>
    </message>
</context>
<context>
    <name>rw::cli_texts</name>
    <message>
        <source>%1 のテキストは読めません。UTF-8 などの 8 ビットの文字コードで保存し直してください
%2</source>
        <extracomment>%1 names the encoding, e.g. UTF-16 LE; %2 is the file&apos;s path.</extracomment>
        <translation>Text in %1 cannot be read. Save it again in an 8-bit encoding such as UTF-8
%2</translation>
    </message>
    <message>
        <source>出力フォルダを作成できません: %1</source>
        <translation>Cannot create the output folder: %1</translation>
    </message>
    <message>
        <source>前の翼型ファイルが同じ名前のファイルを書き出しています: %1</source>
        <extracomment>%1 is a file-name stem or a path.</extracomment>
        <translation>An earlier airfoil file writes a file of the same name: %1</translation>
    </message>
    <message>
        <source>ribwright-cli: two outputs would write the same file: %1</source>
        <translation>ribwright-cli: two outputs would write the same file: %1</translation>
    </message>
    <message>
        <source>ribwright-cli: the output %1 would write over the airfoil file %2</source>
        <translation>ribwright-cli: the output %1 would write over the airfoil file %2</translation>
    </message>
    <message>
        <source>翼型名が長すぎるため、シートとファイル名には先頭の %1 文字を使います</source>
        <translation>The airfoil name is too long: the sheet and file names use its first %1 characters</translation>
    </message>
    <message>
        <source>今回の出力にない古いシートのファイルを削除しました: %1</source>
        <translation>Deleted old sheet files that this run does not write: %1</translation>
    </message>
    <message>
        <source>エラーの前に書き込まれたファイル:</source>
        <translation>Files written before the error:</translation>
    </message>
    <message>
        <source>標準出力 (stdout)</source>
        <translation>standard output (stdout)</translation>
    </message>
    <message>
        <source>See ribwright-cli --help for the options.</source>
        <translation>See ribwright-cli --help for the options.</translation>
    </message>
    <message>
        <source>Writes the rib files of an airfoil: the CSV coordinates, the DXF drawing and the sheet image, exactly as the Ribwright window writes them.</source>
        <translation>Writes the rib files of an airfoil: the CSV coordinates, the DXF drawing and the sheet image, exactly as the Ribwright window writes them.</translation>
    </message>
    <message>
        <source>airfoil coordinate file (loop or two-surface), tidied as it is imported; several files with --out-dir</source>
        <translation>airfoil coordinate file (loop or two-surface), tidied as it is imported; several files with --out-dir</translation>
    </message>
    <message>
        <source>Root chord in mm (text as typed).</source>
        <translation>Root chord in mm (text as typed).</translation>
    </message>
    <message>
        <source>Tip chord in mm.</source>
        <translation>Tip chord in mm.</translation>
    </message>
    <message>
        <source>Number of ribs including the tip rib.</source>
        <translation>Number of ribs including the tip rib.</translation>
    </message>
    <message>
        <source>A single rib (no taper).</source>
        <translation>A single rib (no taper).</translation>
    </message>
    <message>
        <source>Skin thickness in mm.</source>
        <translation>Skin thickness in mm.</translation>
    </message>
    <message>
        <source>Spar position in % of chord.</source>
        <translation>Spar position in % of chord.</translation>
    </message>
    <message>
        <source>Root thickness change in %.</source>
        <translation>Root thickness change in %.</translation>
    </message>
    <message>
        <source>Tip thickness change in %.</source>
        <translation>Tip thickness change in %.</translation>
    </message>
    <message>
        <source>Data point marks on the sheet and in the DXF.</source>
        <translation>Data point marks on the sheet and in the DXF.</translation>
    </message>
    <message>
        <source>No spar line or rib number on the sheet.</source>
        <translation>No spar line or rib number on the sheet.</translation>
    </message>
    <message>
        <source>No grid on the sheet.</source>
        <translation>No grid on the sheet.</translation>
    </message>
    <message>
        <source>Sheet image size in pixels.</source>
        <translation>Sheet image size in pixels.</translation>
    </message>
    <message>
        <source>Write all three files with the proposed name.</source>
        <translation>Write all three files with the proposed name.</translation>
    </message>
    <message>
        <source>Print the proposed file-name stem and nothing else.</source>
        <translation>Print the proposed file-name stem and nothing else.</translation>
    </message>
    <message>
        <source>Paper of the PDF: A4, A3 or Letter.</source>
        <translation>Paper of the PDF: A4, A3 or Letter.</translation>
    </message>
    <message>
        <source>Stock sheet of the laser files in mm.</source>
        <translation>Stock sheet of the laser files in mm.</translation>
    </message>
    <message>
        <source>Width the laser burns away, 0 to 2 mm: the laser files cut half of it outside each part, so the parts come out at their drawn size.</source>
        <translation>Width the laser burns away, 0 to 2 mm: the laser files cut half of it outside each part, so the parts come out at their drawn size.</translation>
    </message>
    <message>
        <source>Ribs for both wings, the left or the right one, labelled R3, L3 (default: one set numbered as the series).</source>
        <translation>Ribs for both wings, the left or the right one, labelled R3, L3 (default: one set numbered as the series).</translation>
    </message>
    <message>
        <source>Sets of ribs on the stock, 1 to 50 (default 1).</source>
        <translation>Sets of ribs on the stock, 1 to 50 (default 1).</translation>
    </message>
    <message>
        <source>Gap between parts and from the stock&apos;s edge in mm, at least the kerf (default 5).</source>
        <translation>Gap between parts and from the stock&apos;s edge in mm, at least the kerf (default 5).</translation>
    </message>
    <message>
        <source>Nest the ribs on the stock instead of rows: bottom-left, every other rib turned half round; the stock used is told on stderr.</source>
        <translation>Nest the ribs on the stock instead of rows: bottom-left, every other rib turned half round; the stock used is told on stderr.</translation>
    </message>
    <message>
        <source>With --out-dir, also write STEM.pdf, STEM.svg and STEM_cut.dxf.</source>
        <translation>With --out-dir, also write STEM.pdf, STEM.svg and STEM_cut.dxf.</translation>
    </message>
    <message>
        <source>Half-span of the wing panel in mm: the ribs then stand at stations along it.</source>
        <translation>Half-span of the wing panel in mm: the ribs then stand at stations along it.</translation>
    </message>
    <message>
        <source>Planform: straight (root to tip chord, swept by --sweep), elliptical (the quarter-chord line straight, then swept), or a CSV table of sections (see the help page).</source>
        <translation>Planform: straight (root to tip chord, swept by --sweep), elliptical (the quarter-chord line straight, then swept), or a CSV table of sections (see the help page).</translation>
    </message>
    <message>
        <source>How far the tip&apos;s leading edge lies behind the root&apos;s, in mm.</source>
        <translation>How far the tip&apos;s leading edge lies behind the root&apos;s, in mm.</translation>
    </message>
    <message>
        <source>Least chord of an elliptical tip in mm, so the tip rib can be cut.</source>
        <translation>Least chord of an elliptical tip in mm, so the tip rib can be cut.</translation>
    </message>
    <message>
        <source>Where the ribs stand: N evenly from root to tip, every:MM (the tip rib always there), or a list of positions in mm such as 0,120,260,400.</source>
        <translation>Where the ribs stand: N evenly from root to tip, every:MM (the tip rib always there), or a list of positions in mm such as 0,120,260,400.</translation>
    </message>
    <message>
        <source>Airfoil file of the tip: each rib&apos;s section is blended from the root airfoil by its place along the span.</source>
        <translation>Airfoil file of the tip: each rib&apos;s section is blended from the root airfoil by its place along the span.</translation>
    </message>
    <message>
        <source>End the PDF with the building plan: the panel from above at 1:1, edges, rib stations and spars (needs --span or a planform table).</source>
        <translation>End the PDF with the building plan: the panel from above at 1:1, edges, rib stations and spars (needs --span or a planform table).</translation>
    </message>
    <message>
        <source>Read the file exactly as the window&apos;s paste would, without import tidying.</source>
        <translation>Read the file exactly as the window&apos;s paste would, without import tidying.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>an AIRFOIL_FILE is needed</source>
        <translation>an AIRFOIL_FILE is needed</translation>
    </message>
    <message>
        <source>--all needs --out-dir</source>
        <translation>--all needs --out-dir</translation>
    </message>
    <message>
        <source>%1 is a Qt option; ribwright-cli always draws off screen and takes none of Qt&apos;s options</source>
        <translation>%1 is a Qt option; ribwright-cli always draws off screen and takes none of Qt&apos;s options</translation>
    </message>
    <message>
        <source>several AIRFOIL_FILEs need --out-dir, without %1</source>
        <extracomment>%1 lists the options that name an output file, e.g. &quot;--csv, --dxf&quot;.</extracomment>
        <translation>several AIRFOIL_FILEs need --out-dir, without %1</translation>
    </message>
    <message>
        <source>--sheet takes WIDTHxHEIGHT in pixels, each from 1 to %1, such as 1600x1000: %2</source>
        <translation>--sheet takes WIDTHxHEIGHT in pixels, each from 1 to %1, such as 1600x1000: %2</translation>
    </message>
    <message>
        <source>--image must end in .png or .jpg: %1</source>
        <translation>--image must end in .png or .jpg: %1</translation>
    </message>
    <message>
        <source>--paper takes A4, A3 or Letter: %1</source>
        <translation>--paper takes A4, A3 or Letter: %1</translation>
    </message>
    <message>
        <source>--stock takes WIDTHxHEIGHT in millimetres, each from 1 to 10000, such as 600x300: %1</source>
        <translation>--stock takes WIDTHxHEIGHT in millimetres, each from 1 to 10000, such as 600x300: %1</translation>
    </message>
    <message>
        <source>--kerf takes millimetres from 0 to 2, such as 0.2: %1</source>
        <translation>--kerf takes millimetres from 0 to 2, such as 0.2: %1</translation>
    </message>
    <message>
        <source>--sides takes both, left or right: %1</source>
        <translation>--sides takes both, left or right: %1</translation>
    </message>
    <message>
        <source>--copies takes a whole number from 1 to 50: %1</source>
        <translation>--copies takes a whole number from 1 to 50: %1</translation>
    </message>
    <message>
        <source>--gap takes millimetres from 0 to 100, such as 5: %1</source>
        <translation>--gap takes millimetres from 0 to 100, such as 5: %1</translation>
    </message>
    <message>
        <source>--gap %1 is narrower than --kerf %2: the cuts of neighbouring parts would run together</source>
        <translation>--gap %1 is narrower than --kerf %2: the cuts of neighbouring parts would run together</translation>
    </message>
    <message>
        <source>nothing to write: give %1, --out-dir or --name</source>
        <extracomment>%1 lists the options that name an output file, e.g. &quot;--csv, --dxf&quot;.</extracomment>
        <translation>nothing to write: give %1, --out-dir or --name</translation>
    </message>
    <message>
        <source>Language of the messages and this help: en or ja (also RIBWRIGHT_LANG); files do not change with it.</source>
        <translation>Language of the messages and this help: en or ja (also RIBWRIGHT_LANG); files do not change with it.</translation>
    </message>
</context>
<context>
    <name>rw::control_table</name>
    <message>
        <source>UIUCのサイト表示</source>
        <translation>UIUC site</translation>
    </message>
    <message>
        <source>イリノイ州立大学の翼型データベースを参照します</source>
        <translation>Opens the UIUC airfoil database (University of Illinois)</translation>
    </message>
    <message>
        <source>ペースト</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>ドラッグしてコピーしたデータをペーストします</source>
        <translation>Pastes airfoil data you selected and copied</translation>
    </message>
    <message>
        <source>登録リストから開く</source>
        <translation>Open saved list</translation>
    </message>
    <message>
        <source>登録してある翼型データを開きます</source>
        <translation>Opens airfoil data you saved to the list</translation>
    </message>
    <message>
        <source>原データを登録</source>
        <translation>Save to list</translation>
    </message>
    <message>
        <source>UIICからコピーしたデータを登録します。次回から「登録リストから開く」ボタンでデータが読み取れます。</source>
        <translation>Saves data copied from UIUC to the list. Next time, &quot;Open saved list&quot; reads it back.</translation>
    </message>
    <message>
        <source>データポイントを表示</source>
        <translation>Show data points</translation>
    </message>
    <message>
        <source>リブを作成</source>
        <translation>Draw ribs</translation>
    </message>
    <message>
        <source>翼弦長などを指定して実サイズの図面を作図します。</source>
        <translation>Draws the full-size ribs from the chords and the other settings.</translation>
    </message>
    <message>
        <source>翼型ファイルを開く</source>
        <translation>Open airfoil file</translation>
    </message>
    <message>
        <source>翼型データベースなどの .dat / .txt ファイルを整えて読み込みます。ファイルをこの画面にドロップしても読み込めます。</source>
        <translation>Reads a .dat / .txt file (e.g. from an airfoil database), tidying it. You can also drop the file on this window.</translation>
    </message>
    <message>
        <source>保存ファイルを開く</source>
        <translation>Open saved file</translation>
    </message>
    <message>
        <source>画像ファイルを見る</source>
        <translation>View image file</translation>
    </message>
    <message>
        <source>登録した画像データを表示します</source>
        <translation>Shows the saved image files</translation>
    </message>
    <message>
        <source>表計算ファイルを見る</source>
        <translation>View spreadsheet</translation>
    </message>
    <message>
        <source>登録済みのCSVデータを表示します。エクセルなどの表計算ソフトが必要です</source>
        <translation>Shows the saved CSV files. Needs a spreadsheet program such as Excel</translation>
    </message>
    <message>
        <source>DXFファイルを見る</source>
        <translation>View DXF file</translation>
    </message>
    <message>
        <source>DXFデータを表示します。CADソフトなどのDXFデータを読めるソフトが必要です。</source>
        <translation>Shows the DXF files. Needs a program that reads DXF, such as a CAD program.</translation>
    </message>
    <message>
        <source>翼弦長 (mm)</source>
        <translation>Chord (mm)</translation>
    </message>
    <message>
        <source>SKIN材厚さ(mm)</source>
        <translation>Skin (mm)</translation>
    </message>
    <message>
        <source>翼厚を変更&#x3000;(%)</source>
        <translation>Thickness (%)</translation>
    </message>
    <message>
        <source>桁の位置表示</source>
        <translation>Show spar</translation>
    </message>
    <message>
        <source>桁の位置(%)</source>
        <translation>Spar (%)</translation>
    </message>
    <message>
        <source>テーパー翼</source>
        <translation>Tapered wing</translation>
    </message>
    <message>
        <source>翼弦長（翼端 mm）</source>
        <translation>Tip chord (mm)</translation>
    </message>
    <message>
        <source>翼厚を変更(%)</source>
        <translation>Thickness (%)</translation>
    </message>
    <message>
        <source>全リブ数&#x3000;（含翼端）</source>
        <translation>Ribs (with tip)</translation>
    </message>
    <message>
        <source>描画色選択</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>RIBs</source>
        <translation>Rib</translation>
    </message>
    <message>
        <source>目盛線</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>データポイント</source>
        <translation>Data points</translation>
    </message>
    <message>
        <source>描画</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>画像ファイル出力</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>表計算ファイル出力</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>DXFファイル出力</source>
        <translation>Save DXF</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>リブ詳細...</source>
        <translation>Rib details...</translation>
    </message>
    <message>
        <source>桁の切り欠き、上面・下面のSKIN材厚さ、後縁材、肉抜き穴を設定します</source>
        <translation>Sets spar notches, upper and lower sheeting, trailing-edge stock and lightening holes</translation>
    </message>
    <message>
        <source>翼平面...</source>
        <translation>Planform...</translation>
    </message>
    <message>
        <source>半翼幅、平面形 (テーパー・楕円・表)、後退、リブ位置、翼端翼型を設定します</source>
        <translation>Sets half-span, planform (taper, elliptical, table), sweep, rib stations and tip airfoil</translation>
    </message>
    <message>
        <source>リブ表 (CSV)</source>
        <translation>Rib table (CSV)</translation>
    </message>
    <message>
        <source>リブごとの番号、翼根からの位置、翼弦長、前縁の位置、翼型の表をCSVで出力します</source>
        <translation>Writes a CSV table of each rib: number, station from the root, chord, leading-edge position and airfoil</translation>
    </message>
    <message>
        <source>原寸出力</source>
        <translation>Full-size output</translation>
    </message>
    <message>
        <source>用紙サイズ</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>材料 (mm)</source>
        <translation>Stock (mm)</translation>
    </message>
    <message>
        <source>レーザー用の材料の幅x高さ (mm)</source>
        <translation>Laser stock width x height (mm)</translation>
    </message>
    <message>
        <source>PDF (印刷用)</source>
        <translation>PDF (print)</translation>
    </message>
    <message>
        <source>リブを原寸で印刷するPDFを出力します。印刷倍率100%で印刷してください</source>
        <translation>Writes a PDF that prints the ribs full size. Print at 100% scale</translation>
    </message>
    <message>
        <source>SVG (レーザー用)</source>
        <translation>SVG (laser)</translation>
    </message>
    <message>
        <source>レーザー加工機用のSVGを出力します。切断線は赤、けがき線は青です</source>
        <translation>Writes an SVG for a laser cutter. Cut lines red, engraved lines blue</translation>
    </message>
    <message>
        <source>DXF (レーザー用)</source>
        <translation>DXF (laser)</translation>
    </message>
    <message>
        <source>レーザー加工機用のDXFを出力します。mm単位、CUT層とMARK層です</source>
        <translation>Writes a DXF for a laser cutter. Units mm, layers CUT and MARK</translation>
    </message>
    <message>
        <source>組立図も出力</source>
        <translation>Add building plan</translation>
    </message>
    <message>
        <source>PDFの最後に翼平面の組立図 (原寸) を付けます</source>
        <translation>Ends the PDF with the full-size building plan of the planform</translation>
    </message>
    <message>
        <source>工作設定...</source>
        <translation>Workshop...</translation>
    </message>
    <message>
        <source>レーザー用ファイルのカーフ、左右、組数、部品の間隔、詰めて並べるかを設定します</source>
        <translation>Sets the laser files&apos; kerf, sides, number of sets, part gap and nesting</translation>
    </message>
</context>
<context>
    <name>rw::errors</name>
    <message>
        <source>0 による浮動小数点数除算</source>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>不正な浮動小数点数演算命令</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は浮動小数点数ではありません</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; は整数ではありません</source>
        <translation>&apos;&apos;%1&apos;&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>不正なファイル名 - %s</source>
        <extracomment>%s stays as it stands: the path follows on the next line.</extracomment>
        <translation>Invalid file name - %s</translation>
    </message>
    <message>
        <source>開かれたファイルが多すぎます。</source>
        <translation>Too many open files.</translation>
    </message>
    <message>
        <source>ファイルへのアクセスが拒否されました</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>ファイルの末尾以降を読み取りました</source>
        <translation>Read past end of file</translation>
    </message>
    <message>
        <source>ディスクがいっぱいです</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>入力値が数値ではありません</source>
        <translation>Input is not a number</translation>
    </message>
    <message>
        <source>I/O エラー %1</source>
        <translation>I/O error %1</translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を作成できません。%2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>メモリが不足しています</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>通常のファイルではない (パイプや装置など) ため読み込みません</source>
        <translation>Not read: not a regular file (a pipe, a device or the like)</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込みません (%1 KB まで)</source>
        <translation>Not read: the file is too large (at most %1 KB)</translation>
    </message>
</context>
<context>
    <name>rw::export_texts</name>
    <message>
        <source>シートがまだ描かれていないため、画像を保存できません。</source>
        <translation>The sheet has not been drawn yet, so the image cannot be saved.</translation>
    </message>
    <message>
        <source>JPEG 画像を作成できません。%1</source>
        <translation>Cannot create the JPEG image. %1</translation>
    </message>
    <message>
        <source>PNG 画像のデータを圧縮できません。</source>
        <translation>Cannot compress the PNG image data.</translation>
    </message>
    <message>
        <source>リブ %1 / 翼弦 %2 mm / %3</source>
        <extracomment>Under each rib of the printed templates: rib number, chord in mm, airfoil name.</extracomment>
        <translation>Rib %1 / chord %2 mm / %3</translation>
    </message>
    <message>
        <source>印刷倍率 100%で印刷してください</source>
        <translation>Print at 100% scale</translation>
    </message>
    <message>
        <source>ページ %1/%2, 行 %3 列 %4</source>
        <extracomment>On each printed page: page of pages, and the page&apos;s row and column in the tiling.</extracomment>
        <translation>Page %1/%2, row %3 column %4</translation>
    </message>
    <message>
        <source>リブ %1 は外皮の厚さに対して薄すぎるため、切り出す形がありません</source>
        <translation>Rib %1 is too thin for its sheeting: nothing is left to cut</translation>
    </message>
    <message>
        <source>リブ %1 (%2 × %3 mm) が %4 × %5 mm の材料に収まりません</source>
        <translation>Rib %1 (%2 × %3 mm) does not fit on the %4 × %5 mm stock</translation>
    </message>
    <message>
        <source>部品の間隔 %1 mm がカーフ幅 %2 mm より狭いため、隣の部品と切り口がつながります</source>
        <translation>The gap between parts, %1 mm, is narrower than the kerf, %2 mm: the cuts of neighbouring parts would run together</translation>
    </message>
    <message>
        <source>材料 %1 枚, 使用率 %2 %</source>
        <extracomment>After nesting: number of stock sheets used, and parts&apos; area over the sheets&apos; area.</extracomment>
        <translation>Stock sheets: %1, %2 % used</translation>
    </message>
    <message>
        <source>Write the sheet image (.png or .jpg).</source>
        <translation>Write the sheet image (.png or .jpg).</translation>
    </message>
    <message>
        <source>Write the CSV file.</source>
        <translation>Write the CSV file.</translation>
    </message>
    <message>
        <source>Write the rib table: one CSV row per rib with its station, chord, leading-edge offset, blend, twist and spar notch places (not part of --all).</source>
        <translation>Write the rib table: one CSV row per rib with its station, chord, leading-edge offset, blend, twist and spar notch places (not part of --all).</translation>
    </message>
    <message>
        <source>Write the DXF file.</source>
        <translation>Write the DXF file.</translation>
    </message>
    <message>
        <source>Write the true-scale PDF to print at 100 %.</source>
        <translation>Write the true-scale PDF to print at 100 %.</translation>
    </message>
    <message>
        <source>Write the laser SVG; ribs beyond one stock sheet go to PATH-2, PATH-3, ...</source>
        <translation>Write the laser SVG; ribs beyond one stock sheet go to PATH-2, PATH-3, ...</translation>
    </message>
    <message>
        <source>Write the cut DXF (mm, layers CUT and MARK).</source>
        <translation>Write the cut DXF (mm, layers CUT and MARK).</translation>
    </message>
    <message>
        <source>画像ソフトを起動しますか？</source>
        <translation>Open the image program?</translation>
    </message>
    <message>
        <source>表計算ソフトを起動しますか？</source>
        <translation>Open the spreadsheet program?</translation>
    </message>
    <message>
        <source>DXFに関連付けされたソフトを起動しますか？</source>
        <translation>Open the program associated with DXF?</translation>
    </message>
    <message>
        <source>PDFに関連付けされたソフトを起動しますか？</source>
        <translation>Open the program associated with PDF?</translation>
    </message>
    <message>
        <source>SVGに関連付けされたソフトを起動しますか？</source>
        <translation>Open the program associated with SVG?</translation>
    </message>
    <message>
        <source>原寸 PDF が %1 ページになり、上限の %2 ページを超えます。翼弦かリブの数を減らすか、大きな用紙にしてください</source>
        <translation>The full-size PDF would have %1 pages, more than the limit of %2. Use fewer or shorter ribs, or larger paper</translation>
    </message>
    <message>
        <source>組立図 ページ %1/%2, 行 %3 列 %4</source>
        <extracomment>On each page of the building plan: page of the plan&apos;s pages, row and column in the tiling.</extracomment>
        <translation>Building plan page %1/%2, row %3 column %4</translation>
    </message>
    <message>
        <source>組立図 (上から見た原寸) / 半翼幅 %1 mm / リブ %2 枚</source>
        <extracomment>Under the calibration bars of the building plan: the half span in mm and the rib count.</extracomment>
        <translation>Building plan (from above, full size) / half-span %1 mm / %2 ribs</translation>
    </message>
    <message>
        <source>組立図には半翼幅が必要です (--span)</source>
        <translation>The building plan needs the half-span (--span)</translation>
    </message>
    <message>
        <source>組立図が %1 ページになり、上限の %2 ページを超えます。半翼幅を見直すか、大きな用紙にしてください</source>
        <translation>The building plan would have %1 pages, more than the limit of %2. Check the half-span, or use larger paper</translation>
    </message>
</context>
<context>
    <name>rw::feature_option_texts</name>
    <message>
        <source>--spar-notch takes POS:WIDTHxDEPTH[:top|bottom|both] in mm, POS in % of the chord or in mm from the leading edge with an mm suffix, or ROOT/TIP for a straight spar, such as 30:3x6:top, 45mm:3x6 or 50mm/30mm:3x6; not &apos;%1&apos;</source>
        <translation>--spar-notch takes POS:WIDTHxDEPTH[:top|bottom|both] in mm, POS in % of the chord or in mm from the leading edge with an mm suffix, or ROOT/TIP for a straight spar, such as 30:3x6:top, 45mm:3x6 or 50mm/30mm:3x6; not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes a thickness in mm, 0 or more, such as 1.5; not &apos;%2&apos;</source>
        <translation>%1 takes a thickness in mm, 0 or more, such as 1.5; not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--te-stock takes a distance in mm from the trailing edge, or LENGTHxHEIGHT in mm for a slot, such as 5 or 6x3; not &apos;%1&apos;</source>
        <translation>--te-stock takes a distance in mm from the trailing edge, or LENGTHxHEIGHT in mm for a slot, such as 5 or 6x3; not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--holes takes PCT:WEB_MM, the hole diameter in % of the rib height (below 100) and the web in mm, such as 60:2; not &apos;%1&apos;</source>
        <translation>--holes takes PCT:WEB_MM, the hole diameter in % of the rib height (below 100) and the web in mm, such as 60:2; not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--holes: a web under %1 mm breaks out as the rib is cut; give %1 mm or more, such as 60:2; not &apos;%2&apos;</source>
        <translation>--holes: a web under %1 mm breaks out as the rib is cut; give %1 mm or more, such as 60:2; not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Spar notch POS:WIDTHxDEPTH[:top|bottom|both], square to the chord: POS in % of the chord (45mm: from the leading edge; ROOT/TIP such as 50mm/30mm: a straight spar from the root rib to the tip rib), WIDTH and DEPTH in mm, top by default. Repeatable, up to %1 on a rib.</source>
        <translation>Spar notch POS:WIDTHxDEPTH[:top|bottom|both], square to the chord: POS in % of the chord (45mm: from the leading edge; ROOT/TIP such as 50mm/30mm: a straight spar from the root rib to the tip rib), WIDTH and DEPTH in mm, top by default. Repeatable, up to %1 on a rib.</translation>
    </message>
    <message>
        <source>Sheeting of the upper surface in mm (--skin).</source>
        <translation>Sheeting of the upper surface in mm (--skin).</translation>
    </message>
    <message>
        <source>Sheeting of the lower surface in mm (--skin).</source>
        <translation>Sheeting of the lower surface in mm (--skin).</translation>
    </message>
    <message>
        <source>Trailing-edge stock: the rib ends MM ahead of the trailing edge (LENGTHxHEIGHT: a slot).</source>
        <translation>Trailing-edge stock: the rib ends MM ahead of the trailing edge (LENGTHxHEIGHT: a slot).</translation>
    </message>
    <message>
        <source>Lightening holes between the spars: diameter in % of the rib height, web in mm (%1 or more).</source>
        <translation>Lightening holes between the spars: diameter in % of the rib height, web in mm (%1 or more).</translation>
    </message>
    <message>
        <source>Least material in mm a notch or a trailing-edge slot may leave across the rib (1 by default).</source>
        <translation>Least material in mm a notch or a trailing-edge slot may leave across the rib (1 by default).</translation>
    </message>
    <message>
        <source>--min-web takes the least width in mm, above 0, such as 1.5: %1</source>
        <translation>--min-web takes the least width in mm, above 0, such as 1.5: %1</translation>
    </message>
</context>
<context>
    <name>rw::geometry_texts</name>
    <message>
        <source>リブ %1 の%2: %3</source>
        <extracomment>%1 is the rib number, %2 the feature&apos;s name, %3 why it cannot be cut.</extracomment>
        <translation>Rib %1, %2: %3</translation>
    </message>
    <message>
        <source>上面</source>
        <translation>top</translation>
    </message>
    <message>
        <source>下面</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>上下両面</source>
        <translation>both</translation>
    </message>
    <message>
        <source>リブ %1 の座標が大きすぎるため、切り出す形を計算できません</source>
        <translation>The coordinates of rib %1 are too large to work out the part to cut</translation>
    </message>
    <message>
        <source>リブ詳細の設定ファイルが壊れているため、初期値 (すべて無し) に戻しました。
%1
%2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what was wrong in it.</extracomment>
        <translation>The rib details settings file is damaged, so the defaults (all off) were restored.
%1
%2</translation>
    </message>
    <message>
        <source>1 行目が違います</source>
        <translation>Line 1 is wrong</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>桁の切り欠き %1 (前縁から %2 mm、%3)</source>
        <extracomment>%1 is the notch&apos;s number, %2 its position, %3 the surface it is cut into.</extracomment>
        <translation>Spar notch %1 (%2 mm from the leading edge, %3)</translation>
    </message>
    <message>
        <source>桁の切り欠き %1 (%2%、%3)</source>
        <translation>Spar notch %1 (%2%, %3)</translation>
    </message>
    <message>
        <source>後縁材の切り欠き</source>
        <translation>Trailing-edge slot</translation>
    </message>
    <message>
        <source>後縁材の切り落とし</source>
        <translation>Trailing-edge cut-off</translation>
    </message>
    <message>
        <source>上面・下面のSKIN材厚さ</source>
        <translation>Upper and lower sheeting</translation>
    </message>
    <message>
        <source>肉抜き穴</source>
        <translation>Lightening holes</translation>
    </message>
    <message>
        <source>上下の深さの合計 %1 mm がその位置のリブの高さ %2 mm 以上あり、切り欠けません</source>
        <translation>the upper and lower depths add up to %1 mm, not less than the rib&apos;s height there, %2 mm: it cannot be cut</translation>
    </message>
    <message>
        <source>深さ %1 mm がその位置のリブの高さ %2 mm 以上あり、切り欠けません</source>
        <translation>the depth %1 mm is not less than the rib&apos;s height there, %2 mm: it cannot be cut</translation>
    </message>
    <message>
        <source>前縁から %1〜%2 mm の切り欠きがリブ (%3〜%4 mm) からはみ出します</source>
        <translation>the notch from %1 to %2 mm behind the leading edge runs off the rib (%3 to %4 mm)</translation>
    </message>
    <message>
        <source>切り欠くとリブが二つ以上に分かれます</source>
        <translation>the notch would cut the rib in two or more pieces</translation>
    </message>
    <message>
        <source>残る材料の幅が %1 mm しかありません (最小 %2 mm、--min-web で変えられます)</source>
        <translation>only %1 mm of material would be left (at least %2 mm; change it with --min-web)</translation>
    </message>
    <message>
        <source>切り取るとリブが残りません</source>
        <translation>nothing of the rib would be left</translation>
    </message>
    <message>
        <source>寸法は 0 より大きくしてください</source>
        <translation>sizes must be greater than 0</translation>
    </message>
    <message>
        <source>直径 %1% はリブの高さの 100% 未満にしてください</source>
        <translation>the diameter %1% must be less than 100% of the rib height</translation>
    </message>
    <message>
        <source>上面 %1 mm と下面 %2 mm の合計がリブの厚さを超え、リブが残りません</source>
        <translation>the upper %1 mm and lower %2 mm add up to more than the rib&apos;s thickness: nothing of the rib is left</translation>
    </message>
    <message>
        <source>リブ詳細の設定ファイルに読めない行があったため、その行を飛ばして残りの設定を使います。
%1
%2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the lines left out, one per line.</extracomment>
        <translation>The rib details settings file has lines that cannot be read; they were skipped and the rest of the settings used.
%1
%2</translation>
    </message>
    <message>
        <source>ほか %1 行</source>
        <translation>and %1 more lines</translation>
    </message>
    <message>
        <source>1 枚のリブに切り欠けるのは %1 個までです</source>
        <translation>A rib can take at most %1 notches</translation>
    </message>
    <message>
        <source>まわりに残す幅 %1 mm は細すぎて切り出すと折れます。%2 mm 以上にしてください</source>
        <translation>the web of %1 mm around the holes is too thin and would break when cut; make it %2 mm or more</translation>
    </message>
    <message>
        <source>肉抜き穴の入る場所がありません。直径かまわりに残す幅を小さくしてください</source>
        <translation>there is no room for lightening holes; make the diameter or the web smaller</translation>
    </message>
    <message>
        <source>%1: リブは後縁から %2 mm 手前ですでに終わっているため、何も切りません</source>
        <translation>%1: the rib already ends %2 mm ahead of the trailing edge, so nothing is cut</translation>
    </message>
    <message>
        <source>%1〜%2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>リブ %1: %2</source>
        <extracomment>%1 lists the ribs, %2 is what the rib details tell about them.</extracomment>
        <translation>Rib %1: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>rw::jig_tab_texts</name>
    <message>
        <source>Jig tabs POS,POS:WIDTH[:MIN_HEIGHT]: tabs at POS % of each chord, WIDTH mm wide, whose feet all stand on one flat building board, the lowest tab edge MIN_HEIGHT mm high (5 by default).</source>
        <translation>Jig tabs POS,POS:WIDTH[:MIN_HEIGHT]: tabs at POS % of each chord, WIDTH mm wide, whose feet all stand on one flat building board, the lowest tab edge MIN_HEIGHT mm high (5 by default).</translation>
    </message>
    <message>
        <source>--jig-tabs takes POS,POS:WIDTH[:MIN_HEIGHT], up to %2 positions in % of the chord (0 to 100), width and least height in mm above 0, such as 15,85:8 or 15,50,85:6:4; not &apos;%1&apos;</source>
        <translation>--jig-tabs takes POS,POS:WIDTH[:MIN_HEIGHT], up to %2 positions in % of the chord (0 to 100), width and least height in mm above 0, such as 15,85:8 or 15,50,85:6:4; not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>治具タブ %1 (%2%)</source>
        <extracomment>%1 is the tab&apos;s number, %2 its position in % of the chord.</extracomment>
        <translation>Jig tab %1 (%2%)</translation>
    </message>
    <message>
        <source>リブ %1 の%2: 前縁から %3〜%4 mm のタブがリブ (%5〜%6 mm) からはみ出します</source>
        <extracomment>%1 is the rib number, %2 the tab&apos;s name, %3 to %6 mm from the leading edge.</extracomment>
        <translation>Rib %1, %2: the tab from %3 to %4 mm behind the leading edge runs off the rib (%5 to %6 mm)</translation>
    </message>
    <message>
        <source>リブ %1 の%2: 前縁から %3〜%4 mm の下面の切り欠きを埋めてしまいます。タブの位置か幅を変えてください</source>
        <extracomment>%1 is the rib number, %2 the tab&apos;s name, %3 to %4 the notch in mm from the leading edge.</extracomment>
        <translation>Rib %1, %2: the tab from %3 to %4 mm behind the leading edge would fill the notch in the lower surface. Move the tab or make it narrower</translation>
    </message>
    <message>
        <source>リブ %1 のねじり %2° では治具タブで台に立てられません (±%3° まで)</source>
        <extracomment>%1 is the rib number, %2 its twist in degrees, %3 the most a rib may be twisted.</extracomment>
        <translation>Rib %1 twisted %2° cannot stand on the board on jig tabs (at most ±%3°)</translation>
    </message>
</context>
<context>
    <name>rw::language_texts</name>
    <message>
        <source>English</source>
        <extracomment>A language&apos;s name as its own speakers write it, on the button that chooses it.</extracomment>
        <translation>English</translation>
    </message>
    <message>
        <source>日本語</source>
        <extracomment>A language&apos;s name as its own speakers write it, on the button that chooses it.</extracomment>
        <translation>日本語</translation>
    </message>
    <message>
        <source>表示言語を切り替えます (次回の起動から)</source>
        <translation>Switches the display language (from the next start)</translation>
    </message>
    <message>
        <source>次回の起動から英語で表示します。</source>
        <translation>Ribwright will be in English from the next start.</translation>
    </message>
    <message>
        <source>次回の起動から日本語で表示します。</source>
        <translation>Ribwright will be in Japanese from the next start.</translation>
    </message>
    <message>
        <source>--lang takes en or ja: %1</source>
        <translation>--lang takes en or ja: %1</translation>
    </message>
</context>
<context>
    <name>rw::print_texts</name>
    <message>
        <source>ページの並び（貼り合わせ順）</source>
        <extracomment>Above the map of the printed pages on page 1: lay them out like this, then trim and tape.</extracomment>
        <translation>Page layout (order to tape together)</translation>
    </message>
    <message>
        <source>リブ %1 / 翼弦 %2 mm / %3</source>
        <extracomment>Under each rib of the printed templates: rib label, chord in mm, airfoil name.</extracomment>
        <translation>Rib %1 / chord %2 mm / %3</translation>
    </message>
</context>
<context>
    <name>rw::sheet_texts</name>
    <message>
        <source>翼弦長のデータが不正です</source>
        <translation>The chord is not valid</translation>
    </message>
    <message>
        <source>桁の位置データが不正です</source>
        <translation>The spar position is not valid</translation>
    </message>
    <message>
        <source>翼端の翼弦長のデータが不正です</source>
        <translation>The tip chord is not valid</translation>
    </message>
    <message>
        <source>シートの画像 (%1 × %2 ピクセル) に使うメモリを確保できません</source>
        <translation>Not enough memory for the sheet image (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>リブの数は %1 までにしてください</source>
        <translation>Use at most %1 ribs</translation>
    </message>
</context>
<context>
    <name>rw::ui_texts</name>
    <message>
        <source>既に起動しているので起動済みの画面を表示します。</source>
        <translation>Ribwright is already running; showing its window.</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>ヘルプファイルが見つかりません。
%1</source>
        <translation>The help file was not found.
%1</translation>
    </message>
    <message>
        <source>「%1」をそのまま読み込みました</source>
        <translation>Read &quot;%1&quot; as it is</translation>
    </message>
    <message>
        <source>「%1」を整えて読み込みました</source>
        <translation>Read &quot;%1&quot; after tidying it</translation>
    </message>
    <message>
        <source>・%1</source>
        <extracomment>One change an import made, as an item of a list.</extracomment>
        <translation>- %1</translation>
    </message>
    <message>
        <source>翼型ファイル|*.dat;*.txt|すべてのファイル|*</source>
        <extracomment>Pairs of a name and its patterns, all separated by |: only the names are translated.</extracomment>
        <translation>Airfoil files|*.dat;*.txt|All files|*</translation>
    </message>
    <message>
        <source>%1を入力してください</source>
        <translation>Enter the %1</translation>
    </message>
    <message>
        <source>%1「%2」は数値ではありません</source>
        <extracomment>%1 names the field, %2 is what was typed into it.</extracomment>
        <translation>The %1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>桁の切り欠き %1</source>
        <translation>Spar notch %1</translation>
    </message>
    <message>
        <source>%1 の位置</source>
        <translation>%1 position</translation>
    </message>
    <message>
        <source>%1 の幅</source>
        <translation>%1 width</translation>
    </message>
    <message>
        <source>%1 の深さ</source>
        <translation>%1 depth</translation>
    </message>
    <message>
        <source>上面のSKIN材厚さ</source>
        <translation>Upper sheeting</translation>
    </message>
    <message>
        <source>下面のSKIN材厚さ</source>
        <translation>Lower sheeting</translation>
    </message>
    <message>
        <source>%1の距離</source>
        <translation>%1 distance</translation>
    </message>
    <message>
        <source>%1の長さ</source>
        <translation>%1 length</translation>
    </message>
    <message>
        <source>%1の高さ</source>
        <translation>%1 height</translation>
    </message>
    <message>
        <source>%1の直径</source>
        <translation>%1 diameter</translation>
    </message>
    <message>
        <source>%1のまわりに残す幅</source>
        <translation>%1 web around the holes</translation>
    </message>
    <message>
        <source>%1: 位置は前縁からの mm、幅と深さは 0 より大きい mm で入力してください</source>
        <translation>%1: enter the position in mm from the leading edge, and the width and depth in mm greater than 0</translation>
    </message>
    <message>
        <source>%1: 位置は翼弦の 0〜100 %、幅と深さは 0 より大きい mm で入力してください</source>
        <translation>%1: enter the position as 0 to 100 % of the chord, and the width and depth in mm greater than 0</translation>
    </message>
    <message>
        <source>%1は 0 以上の mm で入力してください</source>
        <translation>Enter the %1 in mm, 0 or more</translation>
    </message>
    <message>
        <source>%1: 寸法は 0 より大きい mm で入力してください</source>
        <translation>%1: enter sizes in mm greater than 0</translation>
    </message>
    <message>
        <source>%1: 直径はリブの高さの 0 より大きく 100 % 未満、まわりに残す幅は 0.5 mm 以上で入力してください</source>
        <translation>%1: enter the diameter as more than 0 and less than 100 % of the rib height, and the web around the holes as 0.5 mm or more</translation>
    </message>
    <message>
        <source>材料の大きさ「%1」が読めません。幅x高さを mm で、1〜10000 の数で入力してください (例: 600x300)</source>
        <translation>Cannot read the stock size &quot;%1&quot;. Enter width x height in mm, each from 1 to 10000 (e.g. 600x300)</translation>
    </message>
    <message>
        <source>リブ詳細</source>
        <translation>Rib details</translation>
    </message>
    <message>
        <source>桁の切り欠き</source>
        <translation>Spar notches</translation>
    </message>
    <message>
        <source>SKIN材厚さ (上面・下面)</source>
        <translation>Sheeting (upper, lower)</translation>
    </message>
    <message>
        <source>上面を指定 (mm)</source>
        <translation>Upper (mm)</translation>
    </message>
    <message>
        <source>下面を指定 (mm)</source>
        <translation>Lower (mm)</translation>
    </message>
    <message>
        <source>指定しない面は設定欄の「SKIN材厚さ」です</source>
        <translation>A surface left unset takes the main &quot;Skin (mm)&quot; field</translation>
    </message>
    <message>
        <source>後縁材</source>
        <translation>Trailing-edge stock</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>切り落とし</source>
        <translation>Cut off</translation>
    </message>
    <message>
        <source>切り欠き</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>後縁からの距離 (mm)</source>
        <translation>From trailing edge (mm)</translation>
    </message>
    <message>
        <source>後縁からの長さ (mm)</source>
        <translation>Length from TE (mm)</translation>
    </message>
    <message>
        <source>高さ (mm)</source>
        <translation>Height (mm)</translation>
    </message>
    <message>
        <source>桁の間に肉抜き穴をあける</source>
        <translation>Lightening holes between the spars</translation>
    </message>
    <message>
        <source>直径 (リブの高さの %)</source>
        <translation>Diameter (% of rib height)</translation>
    </message>
    <message>
        <source>穴のまわりに残す幅 (mm)</source>
        <translation>Web around holes (mm)</translation>
    </message>
    <message>
        <source>最小の残り幅</source>
        <translation>Least web</translation>
    </message>
    <message>
        <source>切り欠きが残す材料の最小の幅 (mm、空欄は 1 mm)</source>
        <translation>Least material a notch leaves (mm, blank = 1 mm)</translation>
    </message>
    <message>
        <source>最小の残り幅は 0 より大きい mm で入力してください</source>
        <translation>Enter the least web in mm greater than 0</translation>
    </message>
    <message>
        <source>すべて無しに戻す</source>
        <translation>Reset all to none</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>位置の単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>幅 (mm)</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>深さ (mm)</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>切り欠く面</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>% (翼弦)</source>
        <translation>% (chord)</translation>
    </message>
    <message>
        <source>mm (前縁から)</source>
        <translation>mm (from LE)</translation>
    </message>
    <message>
        <source>切り欠きはありません</source>
        <translation>No notches</translation>
    </message>
    <message>
        <source>切り欠きを追加</source>
        <translation>Add notch</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>開くためのプログラムが見つかりません。次を手で開いてください:
%1</source>
        <translation>No program was found to open it. Open this yourself:
%1</translation>
    </message>
    <message>
        <source>リブ詳細の設定ファイルは新しい版の Ribwright で書かれています。
%1
この版の形式で上書きしますか？ (「いいえ」でもこの設定は今回使います)</source>
        <translation>The rib details settings file was written by a newer Ribwright.
%1
Overwrite it in this version&apos;s format? (With &quot;No&quot; these settings are still used this time)</translation>
    </message>
    <message>
        <source>前回の出力の残りのシートを削除しました (今回のリブは入っていません):
%1</source>
        <translation>Deleted the sheets left from the previous output (they hold none of this run&apos;s ribs):
%1</translation>
    </message>
</context>
<context>
    <name>rw::wing_panel_texts</name>
    <message>
        <source>翼平面</source>
        <translation>Planform</translation>
    </message>
    <message>
        <source>平面形とリブの位置</source>
        <translation>Planform and rib stations</translation>
    </message>
    <message>
        <source>半翼幅 (mm)</source>
        <translation>Half-span (mm)</translation>
    </message>
    <message>
        <source>表による</source>
        <extracomment>Shown in the empty half-span field: the planform table then gives the span.</extracomment>
        <translation>from table</translation>
    </message>
    <message>
        <source>平面形</source>
        <translation>Planform</translation>
    </message>
    <message>
        <source>直線テーパー</source>
        <translation>Straight taper</translation>
    </message>
    <message>
        <source>楕円</source>
        <translation>Elliptical</translation>
    </message>
    <message>
        <source>表 (CSV)</source>
        <translation>Table (CSV)</translation>
    </message>
    <message>
        <source>後退 (mm)</source>
        <translation>Sweep (mm)</translation>
    </message>
    <message>
        <source>最小翼端弦長 (mm)</source>
        <translation>Least tip chord (mm)</translation>
    </message>
    <message>
        <source>表ファイル</source>
        <translation>Table file</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>リブ位置</source>
        <translation>Rib stations</translation>
    </message>
    <message>
        <source>例: 12 / every:75 / 0,120,260 (空欄は全リブ数)</source>
        <extracomment>The three forms of the rib stations; the words every and the numbers are typed as shown.</extracomment>
        <translation>e.g. 12 / every:75 / 0,120,260 (blank: rib count)</translation>
    </message>
    <message>
        <source>翼端翼型</source>
        <translation>Tip airfoil</translation>
    </message>
    <message>
        <source>なし (翼根と同じ翼型)</source>
        <translation>None (same as the root)</translation>
    </message>
    <message>
        <source>桁の線: まっすぐな桁は「リブ詳細...」の桁の切り欠きの位置に「翼根/翼端」の形で入力します (例 50mm/30mm、25/30)。図には今の切り欠きの桁の線を示します。</source>
        <translation>Spar lines: for a straight spar, enter the notch position in &quot;Rib details...&quot; as root/tip (e.g. 50mm/30mm, 25/30). The drawing shows the spar lines of the current notches.</translation>
    </message>
    <message>
        <source>翼平面の表|*.csv;*.txt|すべてのファイル|*</source>
        <extracomment>Pairs of a name and its patterns, all separated by |: only the names are translated.</extracomment>
        <translation>Planform tables|*.csv;*.txt|All files|*</translation>
    </message>
    <message>
        <source>半翼幅を入力すると、ここに翼平面を描きます</source>
        <translation>Enter a half-span to draw the planform here</translation>
    </message>
    <message>
        <source>半翼幅</source>
        <translation>half-span</translation>
    </message>
    <message>
        <source>後退</source>
        <translation>sweep</translation>
    </message>
    <message>
        <source>最小翼端弦長</source>
        <translation>least tip chord</translation>
    </message>
    <message>
        <source>平面形の表ファイル</source>
        <translation>planform table file</translation>
    </message>
    <message>
        <source>%1「%2」は使えない長さです。mm で入力してください</source>
        <extracomment>%1 names the field, %2 is what was typed into it.</extracomment>
        <translation>The %1 &quot;%2&quot; is not a usable length. Enter it in mm</translation>
    </message>
    <message>
        <source>リブ位置「%1」を読めません。リブ数 (例 12)、間隔 (例 every:75)、翼根からの位置 mm の並び (例 0,120,260) のいずれかで入力してください</source>
        <translation>Cannot read the rib stations &quot;%1&quot;. Enter a rib count (e.g. 12), a spacing (e.g. every:75) or a list of positions in mm from the root (e.g. 0,120,260)</translation>
    </message>
    <message>
        <source>翼平面の表による</source>
        <translation>From planform table</translation>
    </message>
    <message>
        <source>翼弦長は翼平面の表で決まります。「翼平面...」で変更できます</source>
        <translation>The chords come from the planform table. Change them with &quot;Planform...&quot;</translation>
    </message>
    <message>
        <source>リブ数は翼平面のリブ位置で決まります。「翼平面...」で変更できます</source>
        <translation>The rib count comes from the planform&apos;s rib stations. Change it with &quot;Planform...&quot;</translation>
    </message>
    <message>
        <source>翼平面の設定ファイルに読めない内容があったため、その部分を飛ばして残りの設定を使います。
%1
%2</source>
        <translation>The planform settings file has parts that cannot be read; they were skipped and the rest of the settings used.
%1
%2</translation>
    </message>
    <message>
        <source>捩り下げと治具タブ</source>
        <translation>Washout and jig tabs</translation>
    </message>
    <message>
        <source>捩り下げ (°)</source>
        <translation>Washout (°)</translation>
    </message>
    <message>
        <source>回転軸 (翼弦 %)</source>
        <translation>Pivot (% chord)</translation>
    </message>
    <message>
        <source>治具タブを付ける</source>
        <translation>Add jig tabs</translation>
    </message>
    <message>
        <source>位置 (翼弦 %)</source>
        <translation>Position (% chord)</translation>
    </message>
    <message>
        <source>例 15,85</source>
        <translation>e.g. 15,85</translation>
    </message>
    <message>
        <source>幅 (mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>最小高さ (mm)</source>
        <translation>Least height (mm)</translation>
    </message>
    <message>
        <source>捩り下げは翼端で前縁を下げる向きが正です。治具タブは全リブを一枚の平らな板に立てる足で、組み上げた後にけがき線で切り取ります。治具タブは「リブ詳細...」と共通の設定です</source>
        <translation>Washout is positive with the tip&apos;s leading edge down. Jig tabs are feet that stand every rib on one flat board; cut them off along the engraved line once the wing is built. The jig tabs are shared with &quot;Rib details...&quot;</translation>
    </message>
    <message>
        <source>捩り下げ</source>
        <translation>washout</translation>
    </message>
    <message>
        <source>回転軸</source>
        <translation>pivot</translation>
    </message>
    <message>
        <source>捩り下げ「%1」は使えません。-20 から 20 までの角度 (度) で入力してください</source>
        <translation>The washout &quot;%1&quot; cannot be used. Enter an angle from -20 to 20 (degrees)</translation>
    </message>
    <message>
        <source>回転軸「%1」は使えません。前縁からの翼弦の 0 から 100 % で入力してください</source>
        <translation>The pivot &quot;%1&quot; cannot be used. Enter 0 to 100 % of the chord from the leading edge</translation>
    </message>
    <message>
        <source>治具タブの位置</source>
        <translation>jig tab positions</translation>
    </message>
    <message>
        <source>治具タブの幅</source>
        <translation>jig tab width</translation>
    </message>
    <message>
        <source>治具タブ「%1」を読めません。位置は翼弦の 0 から 100 % をカンマで区切って 20 個まで (例 15,85)、幅と最小高さは 0 より大きい mm で入力してください</source>
        <translation>Cannot read the jig tabs &quot;%1&quot;. Enter up to 20 positions from 0 to 100 % of the chord separated by commas (e.g. 15,85), and the width and least height in mm greater than 0</translation>
    </message>
    <message>
        <source>登録リストから...</source>
        <translation>From saved list...</translation>
    </message>
</context>
<context>
    <name>rw::wing_texts</name>
    <message>
        <source>--stations の値「%1」が読めません。12、every:75、0,120,260 のように書いてください</source>
        <translation>Cannot read the --stations value &quot;%1&quot;. Write it like 12, every:75 or 0,120,260</translation>
    </message>
    <message>
        <source>--stations のリブ数「%1」は 1 から %2 までにしてください</source>
        <extracomment>%1 is the text given, %2 the most ribs a series may have.</extracomment>
        <translation>The --stations rib count &quot;%1&quot; must be from 1 to %2</translation>
    </message>
    <message>
        <source>--stations の位置「%1」は 0 mm 以上から、2 つ以上を増えていく順に書いてください</source>
        <translation>The --stations positions &quot;%1&quot; must start at 0 mm or more and be two or more, increasing</translation>
    </message>
    <message>
        <source>--planform の値が空です。straight、elliptical または平面形の表のファイルを指定してください</source>
        <translation>The --planform value is empty. Give straight, elliptical or a planform table file</translation>
    </message>
    <message>
        <source>%1 の値「%2」が読めません。75.5 のように mm で書いてください</source>
        <extracomment>%1 is the option, %2 the text given.</extracomment>
        <translation>Cannot read the %1 value &quot;%2&quot;. Write it in mm, like 75.5</translation>
    </message>
    <message>
        <source>%1 の値「%2」は %3 mm 以上にしてください</source>
        <extracomment>%1 is the option, %2 the text given, %3 the least value in mm.</extracomment>
        <translation>The %1 value &quot;%2&quot; must be %3 mm or more</translation>
    </message>
    <message>
        <source>--washout の値「%1」は -%2 から %2 までの角度 (度、前縁下げが正) にしてください</source>
        <extracomment>%1 is the text given, %2 the most degrees either way.</extracomment>
        <translation>The --washout value &quot;%1&quot; must be an angle from -%2 to %2 (degrees, leading edge down positive)</translation>
    </message>
    <message>
        <source>--pivot の値「%1」は翼弦の 0 から 100 (%) にしてください</source>
        <translation>The --pivot value &quot;%1&quot; must be 0 to 100 (% of the chord)</translation>
    </message>
    <message>
        <source>Washout of the tip rib in degrees, leading edge down positive (-20 to 20); the ribs between twist by their share of the span.</source>
        <translation>Washout of the tip rib in degrees, leading edge down positive (-20 to 20); the ribs between twist by their share of the span.</translation>
    </message>
    <message>
        <source>Where each rib turns when twisted, in % of its chord (25 by default).</source>
        <translation>Where each rib turns when twisted, in % of its chord (25 by default).</translation>
    </message>
    <message>
        <source>リブの位置を mm で決めるには、翼幅 (--span) を指定してください</source>
        <translation>To place the ribs in mm, give the span (--span)</translation>
    </message>
    <message>
        <source>翼幅 %1 mm が平面形の表の翼幅 %2 mm を超えています</source>
        <translation>The span %1 mm is more than the planform table&apos;s span %2 mm</translation>
    </message>
    <message>
        <source>リブの位置 %1 mm が翼幅 (0～%2 mm) の外にあります</source>
        <translation>The rib station %1 mm is outside the span (0 to %2 mm)</translation>
    </message>
    <message>
        <source>リブが %1 枚を超えます。リブの数か間隔を見直してください</source>
        <translation>More than %1 ribs. Check the rib count or spacing</translation>
    </message>
    <message>
        <source>リブ %1 の翼弦が %2 mm になり、リブを作れません</source>
        <translation>Rib %1 would have a chord of %2 mm; the rib cannot be made</translation>
    </message>
    <message>
        <source>リブ %1 の翼弦が %2 mm と 1 mm 未満になります。翼端の最小翼弦 (--min-tip-chord) を指定してください</source>
        <translation>Rib %1 would have a chord of %2 mm, under 1 mm. Give a least tip chord (--min-tip-chord)</translation>
    </message>
    <message>
        <source>翼型に上面と下面を分ける前縁が見つからないため、翼型を混ぜられません</source>
        <translation>No leading edge splits the airfoil into upper and lower surfaces, so the airfoils cannot be blended</translation>
    </message>
    <message>
        <source>%1 行目が読めません: %2</source>
        <extracomment>%1 is the line number, %2 the line as written.</extracomment>
        <translation>Cannot read line %1: %2</translation>
    </message>
    <message>
        <source>見出しの行に「%1」の列がありません</source>
        <translation>The heading line has no &quot;%1&quot; column</translation>
    </message>
    <message>
        <source>断面が 2 つ以上必要です</source>
        <translation>At least 2 sections are needed</translation>
    </message>
    <message>
        <source>断面は %1 までにしてください</source>
        <translation>Use at most %1 sections</translation>
    </message>
    <message>
        <source>%1 行目: 翼幅位置が前の行より大きくありません</source>
        <translation>Line %1: the span position is not greater than the line before</translation>
    </message>
    <message>
        <source>%1 行目: 翼弦は 0 mm より大きくしてください</source>
        <translation>Line %1: the chord must be greater than 0 mm</translation>
    </message>
    <message>
        <source>%1 行目の翼型 %2 を読めません: %3</source>
        <extracomment>%1 is the line number, %2 the airfoil file, %3 what was wrong.</extracomment>
        <translation>Line %1: cannot read airfoil %2: %3</translation>
    </message>
    <message>
        <source>平面形の表を読めません。
%1
%2</source>
        <translation>Cannot read the planform table.
%1
%2</translation>
    </message>
    <message>
        <source>翼端の翼型を読めません。
%1
%2</source>
        <translation>Cannot read the tip airfoil.
%1
%2</translation>
    </message>
</context>
<context>
    <name>rw::workshop_texts</name>
    <message>
        <source>工作設定</source>
        <translation>Workshop</translation>
    </message>
    <message>
        <source>レーザー加工 (SVG・DXF)</source>
        <translation>Laser cutting (SVG, DXF)</translation>
    </message>
    <message>
        <source>カーフ (mm)</source>
        <translation>Kerf (mm)</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Sides</translation>
    </message>
    <message>
        <source>1組</source>
        <translation>One set</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>左右両方</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>組数</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>部品の間隔 (mm)</source>
        <translation>Part gap (mm)</translation>
    </message>
    <message>
        <source>材料に詰めて並べる</source>
        <translation>Nest parts on the stock</translation>
    </message>
    <message>
        <source>カーフはレーザーが焼き切る幅で、切断線をその半分だけ外側にずらします。左右を選ぶとリブ名に L・R が付きます。レーザー用の SVG と DXF にだけ効き、PDF は組数と左右だけを使います</source>
        <translation>The kerf is the width the laser burns away; cut lines are moved out by half of it. Choosing sides adds L or R to the rib names. Only the laser SVG and DXF use these; the PDF uses only the sets and sides</translation>
    </message>
    <message>
        <source>カーフ「%1」は使えません。0 から 2 mm で入力してください</source>
        <translation>The kerf &quot;%1&quot; cannot be used. Enter 0 to 2 mm</translation>
    </message>
    <message>
        <source>部品の間隔「%1」は使えません。0 から 100 mm で入力してください</source>
        <translation>The part gap &quot;%1&quot; cannot be used. Enter 0 to 100 mm</translation>
    </message>
    <message>
        <source>組数「%1」は使えません。1 から 50 で入力してください</source>
        <translation>The number of sets &quot;%1&quot; cannot be used. Enter 1 to 50</translation>
    </message>
    <message>
        <source>部品の間隔をカーフ以上にしてください。部品どうしが焼き切れます</source>
        <translation>Make the part gap at least the kerf, or neighbouring parts are burnt through</translation>
    </message>
    <message>
        <source>工作設定のファイルに読めない内容があったため、その部分を飛ばして残りの設定を使います。
%1
%2</source>
        <translation>The workshop settings file has parts that cannot be read; they were skipped and the rest of the settings used.
%1
%2</translation>
    </message>
</context>
</TS>
