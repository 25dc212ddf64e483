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
    <message>
        <source>回顧 -&gt;</source>
        <translation>REVIEW</translation>
    </message>
</context>
<context>
    <name>howToPlay</name>
    <message>
        <source>1, Moving the character<byte value="xd"/>
     - Click on the green ball on <byte value="xd"/>
the bottom right hand side(the <byte value="xd"/>
dice)<byte value="xd"/>
<byte value="xd"/>
2, Moving the window<byte value="xd"/>
     - Drag the green ball on the <byte value="xd"/>
bottom left hand side<byte value="xd"/>
<byte value="xd"/>
3, Browsing Info Center<byte value="xd"/>
     - Click on the first button in <byte value="xd"/>
the status window<byte value="xd"/>
<byte value="xd"/>
4, Getting help<byte value="xd"/>
     - Click on the second <byte value="xd"/>
button in the status window<byte value="xd"/>
<byte value="xd"/>
5, Starting Online www Search <byte value="xd"/>
Engine<byte value="xd"/>
     - Click on the third button in <byte value="xd"/>
the status window<byte value="xd"/>
<byte value="xd"/>
6, Quitting the game<byte value="xd"/>
     - Click on the fourth button <byte value="xd"/>
in the status window<byte value="xd"/>
</source>
        <translation>Goal: reach 5000 points within 49 throws. You start with 1000.<byte value="xd"/>
<byte value="xd"/>
1. Throw the die<byte value="xd"/>
Click the green ball at the bottom right. Your character walks 1 to 6 squares. Healthy habits add points, risks take them away.<byte value="xd"/>
<byte value="xd"/>
2. The quiz<byte value="xd"/>
A quiz square asks five questions about heart disease: +100 for each right answer, -50 for each wrong one. In learning mode (the default) the game explains every answer; press Enter or Space, or click, to go on.<byte value="xd"/>
<byte value="xd"/>
3. The target game<byte value="xd"/>
A target square gives you 20 seconds: shoot the causes of heart disease, not the healthy habits. In learning mode a cause shot falls until the targets jump (+150) and a healthy habit shot costs 250; in classic mode every click counts, +100 or -100.<byte value="xd"/>
<byte value="xd"/>
4. Moving the windows<byte value="xd"/>
Drag the green ball at the bottom left.<byte value="xd"/>
<byte value="xd"/>
5. The four shields<byte value="xd"/>
Under the board: Info Center, Help, web search and Exit.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
7, Sound, volume and this help<byte value="xd"/>
     - Right-click the board or the status window: sound effects and music on or off, the volume, the size (from the next start on), &quot;How to play&quot;, &quot;New game&quot; and &quot;About Tavrin&quot;<byte value="xd"/>
     - Press M to turn all sound off or on again<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
6. Sound and this help<byte value="xd"/>
Right-click the board or the status strip to turn sound effects and music on or off, set the volume, make the game bigger (100, 150 or 200 %, from the next start on), switch learning mode off for the classic game, start a new game, or open How to play and About Tavrin. Press M to turn all sound off or on.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>無法開啟以下網址 (Cannot open this address):</source>
        <translation>Cannot open this address. Copy it into your web browser:</translation>
    </message>
    <message>
        <source>遊戲的檔案中沒有這一頁 (This page is missing from the game):</source>
        <translation>This page is missing from the game&apos;s files:</translation>
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
        <translation>Heart Disease Quiz</translation>
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
        <translation>Throws</translation>
    </message>
    <message>
        <source>分數(Score)</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>!!歡迎!!</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>遊戲訊息(Message Window)</source>
        <translation>Game messages</translation>
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
        <translation>Info Center</translation>
    </message>
</context>
<context>
    <name>targetGameWindow</name>
    <message>
        <source>Game2  -  冠 心 病 射 擊 遊 戲</source>
        <translation>Heart Disease Target Game</translation>
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
        <translation>Fried food and fatty meat</translation>
    </message>
    <message>
        <source>避 免 過 量 脂 肪 、 膽 固 醇 食 物</source>
        <translation>Eating less fried and fatty food</translation>
    </message>
    <message>
        <source>吸 煙</source>
        <translation>Smoking</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutWindow</name>
    <message>
        <source>製作 (Made by)</source>
        <translation>Made by</translation>
    </message>
    <message>
        <source>音色庫 (Soundfont)</source>
        <translation>Soundfont</translation>
    </message>
    <message>
        <source>字型 (Fonts)</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>程式庫 (Built with)</source>
        <translation>Built with</translation>
    </message>
    <message>
        <source>找不到授權條款全文 (The licence text is missing): %1</source>
        <translation>The licence text is missing: %1</translation>
    </message>
    <message>
        <source>關於 Tavrin (About Tavrin)</source>
        <translation>About Tavrin</translation>
    </message>
    <message>
        <source>關於 (About)</source>
        <translation>About</translation>
    </message>
    <message>
        <source>鳴謝 (Credits)</source>
        <translation>Credits</translation>
    </message>
</context>
<context>
    <name>tavrin::BoardWindow</name>
    <message>
        <source>恭喜你!你成功在50步內拿到5000分!!</source>
        <translation>Congratulations! You reached 5000 points within 49 throws!</translation>
    </message>
</context>
<context>
    <name>tavrin::EndWindow</name>
    <message>
        <source>恭喜你贏了！做得好！</source>
        <translation>Congratulations, you won! Well done!</translation>
    </message>
</context>
<context>
    <name>tavrin::FindBar</name>
    <message>
        <source>尋找 (Find):</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>尋找 (Find)</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>上一個 (Previous)</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一個 (Next)</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>找不到 (Not found)</source>
        <translation>Not found</translation>
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
    <message>
        <source>學習模式 (Learning mode)</source>
        <translation>Learning mode</translation>
    </message>
    <message>
        <source>新遊戲 (New game)</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>大小 (Size)</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>下次啟動起生效 (From the next start on)</source>
        <translation>From the next start on</translation>
    </message>
</context>
<context>
    <name>tavrin::HelpWindow</name>
    <message>
        <source>上一頁 (Back)</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>下一頁 (Forward)</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>章節 (Sections):</source>
        <translation>Sections:</translation>
    </message>
    <message>
        <source>章節 (Sections)</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>尋找 (Find)</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>關閉 (Close)</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tavrin::NewGame</name>
    <message>
        <source> * * * * * 你真的要開始新遊戲嗎? * * * * * </source>
        <translation> * * * * * Do you really want to start a new game? * * * * * </translation>
    </message>
</context>
<context>
    <name>tavrin::QuizFeedback</name>
    <message>
        <source>解釋 (Explanation)</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>答對了！</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>答錯了。</source>
        <translation>Not quite.</translation>
    </message>
    <message>
        <source>正確答案：%1</source>
        <translation>The right answer: %1</translation>
    </message>
    <message>
        <source>（按 Enter、空白鍵或按一下繼續）</source>
        <translation>(Enter, Space or a click to go on)</translation>
    </message>
</context>
<context>
    <name>tavrin::QuizWindow</name>
    <message>
        <source>The quiz ends here without a bonus; the game goes on.</source>
        <translation>The quiz ends here without a bonus; the game goes on.</translation>
    </message>
    <message>
        <source>✔ 正確</source>
        <translation>✔ Right</translation>
    </message>
</context>
<context>
    <name>tavrin::ReviewWindow</name>
    <message>
        <source>你贏了！</source>
        <translation>You won!</translation>
    </message>
    <message>
        <source>擲骰次數用完了。</source>
        <translation>You ran out of throws.</translation>
    </message>
    <message>
        <source>結果 (Result)</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>最後得分：%1。問答答對 %2 題，共 %3 題。</source>
        <translation>Final score: %1. Quiz answers right: %2 of %3.</translation>
    </message>
    <message>
        <source>再讀一次 (Questions to read again)</source>
        <translation>Questions to read again</translation>
    </message>
    <message>
        <source>沒有答錯的題目。</source>
        <translation>No answer was wrong.</translation>
    </message>
    <message>
        <source>正確答案：%1</source>
        <translation>The right answer: %1</translation>
    </message>
    <message>
        <source>沒有。</source>
        <translation>None.</translation>
    </message>
    <message>
        <source>健康習慣 (Healthy habits)</source>
        <translation>Healthy habits</translation>
    </message>
    <message>
        <source>風險因素 (Risks)</source>
        <translation>Risks</translation>
    </message>
    <message>
        <source>甚麼是冠心病 (What it is)</source>
        <translation>What coronary heart disease is</translation>
    </message>
    <message>
        <source>風險因素 (Risk factors)</source>
        <translation>Risk factors</translation>
    </message>
    <message>
        <source>警告徵狀 (Warning signs)</source>
        <translation>Warning signs and what to do</translation>
    </message>
    <message>
        <source>預防 (Prevention)</source>
        <translation>Prevention</translation>
    </message>
    <message>
        <source>資訊中心 (Info Center)</source>
        <translation>Info Center</translation>
    </message>
    <message>
        <source>這部電腦上的最佳成績 (Best games)</source>
        <translation>Best games on this computer</translation>
    </message>
    <message>
        <source>日期 (Date)</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>分數 (Score)</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>答對 (Right)</source>
        <translation>Answers right</translation>
    </message>
    <message>
        <source>贏 (Won)</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>輸 (Lost)</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>回顧 (Review)</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>關閉 (Close)</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tavrin::StatusStrip</name>
    <message>
        <source> * * * * * 你真的要離開嗎? * * * * * </source>
        <translation> * * * * * Do you really want to leave? * * * * * </translation>
    </message>
</context>
<context>
    <name>tavrin::TargetGameWindow</name>
    <message>
        <source>你射中了 %1 個誘因和 %2 個健康習慣。記住：%3，對心臟有益！</source>
        <translation>You shot %1 causes and %2 healthy habits. Remember: %3 is good for your heart!</translation>
    </message>
</context>
</TS>
