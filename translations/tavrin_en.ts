<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_HK">
<context>
    <name>boardWindow</name>
    <message>
        <source>  加油！！</source>
        <translation>  Keep going!!</translation>
    </message>
</context>
<context>
    <name>dieWindow</name>
    <message>
        <source>擲骰子(Click here to throw the dice)</source>
        <translation>Click here to throw the die</translation>
    </message>
</context>
<context>
    <name>dragHandle</name>
    <message>
        <source>要移動整個視窗,拖曳這兒 (Drag here to move the window)</source>
        <translation>Drag here to move the window</translation>
    </message>
</context>
<context>
    <name>endWindow</name>
    <message>
        <source>加油！下次再努力呀！</source>
        <translation>Keep going! Try again!</translation>
    </message>
    <message>
        <source>你 的 健 康 分 數 ：</source>
        <translation>Your health score:</translation>
    </message>
    <message>
        <source>多 謝 使 用 Tavrin</source>
        <translation>Thanks for playing Tavrin</translation>
    </message>
    <message>
        <source>(分 數)</source>
        <translation>(score)</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>無法開啟以下網址 (Cannot open this address):</source>
        <translation>Cannot open this address. Copy it into your web browser:</translation>
    </message>
</context>
<context>
    <name>messageBoxes</name>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quizWindow</name>
    <message>
        <source>Game1  -  冠 心 病 問 答 遊 戲</source>
        <translation>Game1  -  Heart Disease Quiz</translation>
    </message>
    <message>
        <source>冠 心 病 問 答 遊 戲</source>
        <translation>Heart Disease Quiz</translation>
    </message>
    <message>
        <source>選擇三(Answer3)</source>
        <translation>Answer 3</translation>
    </message>
    <message>
        <source>選擇二(Answer2)</source>
        <translation>Answer 2</translation>
    </message>
    <message>
        <source>選擇一(Answer1)</source>
        <translation>Answer 1</translation>
    </message>
</context>
<context>
    <name>statusStrip</name>
    <message>
        <source>步數(Trial)</source>
        <translation>Trial</translation>
    </message>
    <message>
        <source>分數(Score)</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>!!歡迎!!</source>
        <translation>!!Welcome!!</translation>
    </message>
    <message>
        <source>遊戲訊息(Message Window)</source>
        <translation>Message Window</translation>
    </message>
    <message>
        <source>萬維網搜尋(Internet Search)</source>
        <translation>Internet Search</translation>
    </message>
    <message>
        <source>說明(Help)</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>離開(Exit)</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>資訊中心(Information Center)</source>
        <translation>Information Center</translation>
    </message>
</context>
<context>
    <name>targetGameWindow</name>
    <message>
        <source>Game2  -  冠 心 病 射 擊 遊 戲</source>
        <translation>Game2  -  Heart Disease Target Game</translation>
    </message>
    <message>
        <source>請 把 引 致 冠 心 病 的 誘 因 射 下 來</source>
        <translation>Shoot down the causes of heart disease</translation>
    </message>
    <message>
        <source>缺 乏 運 動</source>
        <translation>Lack of exercise</translation>
    </message>
    <message>
        <source>作 息 定 時</source>
        <translation>Regular daily routine</translation>
    </message>
    <message>
        <source>高 脂 肪<byte value="xd"/>、<byte value="xd"/> 高 膽 固<byte value="xd"/> 醇 </source>
        <translation>High fat<byte value="xd"/>and<byte value="xd"/>high cholesterol</translation>
    </message>
    <message>
        <source>避 免 過 量 脂 肪 、 膽 固 醇 食 物</source>
        <translation>Avoiding too much fatty food and cholesterol</translation>
    </message>
    <message>
        <source>吸 煙</source>
        <translation>Smoking</translation>
    </message>
</context>
<context>
    <name>tavrin::BoardWindow</name>
    <message>
        <source>恭喜你!你成功在50步內拿到5000分!!</source>
        <translation>Congratulations! You reached 5000 points in under 50 throws!!</translation>
    </message>
</context>
<context>
    <name>tavrin::GameMenu</name>
    <message>
        <source>音效 (Sound effects)</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>音樂 (Music)</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>玩法 (How to play)</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>關於 Tavrin (About Tavrin)</source>
        <translation>About Tavrin</translation>
    </message>
    <message>
        <source>音量 (Volume)</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>語言 (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>跟隨系統 (System language)</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>下一局起生效 (From the next game on)</source>
        <translation>From the next game on</translation>
    </message>
</context>
<context>
    <name>tavrin::QuizWindow</name>
    <message>
        <source>The quiz ends here without a bonus; the game goes on.</source>
        <translation>The quiz ends here without a bonus; the game goes on.</translation>
    </message>
</context>
<context>
    <name>tavrin::StatusStrip</name>
    <message>
        <source> * * * * * 你真的要離開嗎? * * * * * </source>
        <translation> * * * * * Do you really want to leave? * * * * * </translation>
    </message>
</context>
</TS>
