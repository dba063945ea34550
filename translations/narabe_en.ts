<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>narabe</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対MAN</source>
        <translation>vs. Human</translation>
    </message>
    <message>
        <source>対COM</source>
        <translation>vs. Computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>White</translation>
    </message>
    <message>
        <source>強さ</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>初級</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>中級</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>上級</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>棋譜を開く…</source>
        <translation>Open Record…</translation>
    </message>
    <message>
        <source>棋譜を保存…</source>
        <translation>Save Record…</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>禁手表示</source>
        <translation>Show Barred Points</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>手順番号表示</source>
        <translation>Move Numbers</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Black to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>ＭＡＮの番です</source>
        <translation>MAN to move</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Play on from here?</translation>
    </message>
    <message>
        <source>3 * 3 です！打てません</source>
        <translation>Double three! You cannot play there</translation>
    </message>
    <message>
        <source>4 * 4 です！打てません</source>
        <translation>Double four! You cannot play there</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>戻れません</source>
        <translation>Cannot go back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>進めません</source>
        <translation>Cannot go forward</translation>
    </message>
    <message>
        <source>先手の勝ち！！</source>
        <translation>Black wins!!</translation>
    </message>
    <message>
        <source>後手の勝ち！！</source>
        <translation>White wins!!</translation>
    </message>
    <message>
        <source>MANの勝ち！！</source>
        <translation>MAN wins!!</translation>
    </message>
    <message>
        <source>COMの勝ち！！</source>
        <translation>COM wins!!</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound device cannot be opened.</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>ファイルを読めません</source>
        <translation>The file cannot be read</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（1 MiB まで）</source>
        <translation>The file is too large (1 MiB at most)</translation>
    </message>
    <message>
        <source>SGF の棋譜ではありません</source>
        <translation>Not an SGF record</translation>
    </message>
    <message>
        <source>変化の入れ子が深すぎます</source>
        <translation>The variations are nested too deep</translation>
    </message>
    <message>
        <source>五目並べ（GM[4]）の棋譜ではありません</source>
        <translation>Not a record of five in a row (GM[4])</translation>
    </message>
    <message>
        <source>19 路盤の棋譜ではありません</source>
        <translation>Not a record on a 19 x 19 board</translation>
    </message>
    <message>
        <source>石の配置（AB・AW・AE）のある棋譜は開けません</source>
        <translation>A record that sets up stones (AB, AW, AE) cannot be opened</translation>
    </message>
    <message>
        <source>点が読めません</source>
        <translation>The point cannot be read</translation>
    </message>
    <message>
        <source>盤の外です</source>
        <translation>Off the board</translation>
    </message>
    <message>
        <source>石のある点です</source>
        <translation>The point holds a stone</translation>
    </message>
    <message>
        <source>五つ並んだあとの手です</source>
        <translation>A move after a five</translation>
    </message>
    <message>
        <source>手番が違います</source>
        <translation>The wrong side moves</translation>
    </message>
    <message>
        <source>棋譜がありません</source>
        <translation>No moves to save</translation>
    </message>
    <message>
        <source>棋譜を保存できませんでした</source>
        <translation>The record could not be saved</translation>
    </message>
    <message>
        <source>保存先が通常のファイルでも棋譜でもありません</source>
        <translation>The file chosen is neither a plain file nor a record</translation>
    </message>
    <message>
        <source>%1 手目：%2</source>
        <translation>Move %1: %2</translation>
    </message>
    <message>
        <source>棋譜_%1</source>
        <translation>record_%1</translation>
    </message>
    <message>
        <source>棋譜 (*.sgf);;すべてのファイル (*)</source>
        <translation>Game records (*.sgf);;All files (*)</translation>
    </message>
    <message>
        <source>棋譜を開く</source>
        <translation>Open Record</translation>
    </message>
    <message>
        <source>棋譜を保存</source>
        <translation>Save Record</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>turn</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>thinking</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home Page</translation>
    </message>
    <message>
        <source>五目並べ  Version 1.0  —  NarabeⅠ project</source>
        <translation>Five in a Row  Version 1.0  —  NarabeⅠ project</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take Back</translation>
    </message>
    <message>
        <source>前回の続き</source>
        <translation>Resume Last Game</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound Effects</translation>
    </message>
    <message>
        <source>前回の対局はありません</source>
        <translation>There is no unfinished game</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
