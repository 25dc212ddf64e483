<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_HK">
<context>
    <name>boardWindow</name>
    <message>
        <source>  加油！！</source>
        <translation>  加油！！</translation>
    </message>
</context>
<context>
    <name>dieWindow</name>
    <message>
        <source>擲骰子(Click here to throw the dice)</source>
        <translation>擲骰子(Click here to throw the die)</translation>
    </message>
</context>
<context>
    <name>dragHandle</name>
    <message>
        <source>要移動整個視窗,拖曳這兒 (Drag here to move the window)</source>
        <translation>要移動整個視窗，拖曳這裡 (Drag here to move the window)</translation>
    </message>
</context>
<context>
    <name>endWindow</name>
    <message>
        <source>加油！下次再努力呀！</source>
        <translation>加油！下次再努力！</translation>
    </message>
    <message>
        <source>你 的 健 康 分 數 ：</source>
        <translation>你 的 健 康 分 數 ：</translation>
    </message>
    <message>
        <source>多 謝 使 用 Tavrin</source>
        <translation>謝 謝 使 用 Tavrin</translation>
    </message>
    <message>
        <source>(分 數)</source>
        <translation>(分 數)</translation>
    </message>
    <message>
        <source>回顧 -&gt;</source>
        <translation>回顧 -&gt;</translation>
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
        <translation>目標：在 49 次擲骰內拿到 5000 分（開始時有 1000 分）。<byte value="xd"/>
<byte value="xd"/>
1. 擲骰子<byte value="xd"/>
按一下右下角的綠色圓球，角色會前進 1 到 6 格。健康的習慣加分，危險因子扣分。<byte value="xd"/>
<byte value="xd"/>
2. 問答遊戲<byte value="xd"/>
停在問答格，要回答五題冠心病問題：答對一題加 100 分，答錯一題扣 50 分。學習模式（預設）會解釋每一題的答案，按 Enter、空白鍵或點一下繼續。<byte value="xd"/>
<byte value="xd"/>
3. 射擊遊戲<byte value="xd"/>
停在射擊格，有 20 秒的時間：射下冠心病的誘因，不要射健康的習慣。學習模式中，射中的誘因會掉下來直到目標跳走（加 150 分），射中健康的習慣扣 250 分；傳統模式每次點擊都算，加或扣 100 分。<byte value="xd"/>
<byte value="xd"/>
4. 移動視窗<byte value="xd"/>
拖曳左下角的綠色圓球。<byte value="xd"/>
<byte value="xd"/>
5. 四個盾牌<byte value="xd"/>
在棋盤下方：資訊中心、說明、網路搜尋、離開。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
7, Sound, volume and this help<byte value="xd"/>
     - Right-click the board or the status window: sound effects and music on or off, the volume, the size (from the next start on), &quot;How to play&quot;, &quot;New game&quot; and &quot;About Tavrin&quot;<byte value="xd"/>
     - Press M to turn all sound off or on again<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
6. 聲音和這份說明<byte value="xd"/>
在棋盤或狀態列上按滑鼠右鍵，可以開關音效和音樂、調整音量、放大遊戲畫面（100、150 或 200 %，下次啟動起生效）、關閉學習模式改玩傳統模式、開始新遊戲，或開啟「玩法」和「關於 Tavrin」。按 M 可以關閉或開啟所有聲音。<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>無法開啟以下網址 (Cannot open this address):</source>
        <translation>無法開啟以下網址，請把它複製到瀏覽器：</translation>
    </message>
    <message>
        <source>遊戲的檔案中沒有這一頁 (This page is missing from the game):</source>
        <translation>遊戲檔案裡找不到這一頁：</translation>
    </message>
</context>
<context>
    <name>messageBoxes</name>
    <message>
        <source>是(&amp;Y)</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>quizWindow</name>
    <message>
        <source>Game1  -  冠 心 病 問 答 遊 戲</source>
        <translation>Game1  -  冠 心 病 問 答 遊 戲</translation>
    </message>
    <message>
        <source>冠 心 病 問 答 遊 戲</source>
        <translation>冠 心 病 問 答 遊 戲</translation>
    </message>
    <message>
        <source>選擇三(Answer3)</source>
        <translation>選擇三(Answer3)</translation>
    </message>
    <message>
        <source>選擇二(Answer2)</source>
        <translation>選擇二(Answer2)</translation>
    </message>
    <message>
        <source>選擇一(Answer1)</source>
        <translation>選擇一(Answer1)</translation>
    </message>
</context>
<context>
    <name>statusStrip</name>
    <message>
        <source>步數(Trial)</source>
        <translation>步數(Throws)</translation>
    </message>
    <message>
        <source>分數(Score)</source>
        <translation>分數(Score)</translation>
    </message>
    <message>
        <source>!!歡迎!!</source>
        <translation>歡迎！</translation>
    </message>
    <message>
        <source>遊戲訊息(Message Window)</source>
        <translation>遊戲訊息(Game messages)</translation>
    </message>
    <message>
        <source>萬維網搜尋(Internet Search)</source>
        <translation>網路搜尋(Internet Search)</translation>
    </message>
    <message>
        <source>說明(Help)</source>
        <translation>說明(Help)</translation>
    </message>
    <message>
        <source>離開(Exit)</source>
        <translation>離開(Exit)</translation>
    </message>
    <message>
        <source>資訊中心(Information Center)</source>
        <translation>資訊中心(Info Center)</translation>
    </message>
</context>
<context>
    <name>targetGameWindow</name>
    <message>
        <source>Game2  -  冠 心 病 射 擊 遊 戲</source>
        <translation>Game2  -  冠 心 病 射 擊 遊 戲</translation>
    </message>
    <message>
        <source>請 把 引 致 冠 心 病 的 誘 因 射 下 來</source>
        <translation>請 把 引 起 冠 心 病 的 誘 因 射 下 來</translation>
    </message>
    <message>
        <source>缺 乏 運 動</source>
        <translation>缺 乏 運 動</translation>
    </message>
    <message>
        <source>作 息 定 時</source>
        <translation>作 息 規 律</translation>
    </message>
    <message>
        <source>高 脂 肪<byte value="xd"/>、<byte value="xd"/> 高 膽 固<byte value="xd"/> 醇 </source>
        <translation>油 炸 食 物<byte value="xd"/>和 肥 肉</translation>
    </message>
    <message>
        <source>避 免 過 量 脂 肪 、 膽 固 醇 食 物</source>
        <translation>少 吃 油 炸 、 肥 膩 食 物</translation>
    </message>
    <message>
        <source>吸 煙</source>
        <translation>吸 菸</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutWindow</name>
    <message>
        <source>製作 (Made by)</source>
        <translation>製作 (Made by)</translation>
    </message>
    <message>
        <source>音色庫 (Soundfont)</source>
        <translation>音色庫 (Soundfont)</translation>
    </message>
    <message>
        <source>字型 (Fonts)</source>
        <translation>字型 (Fonts)</translation>
    </message>
    <message>
        <source>程式庫 (Built with)</source>
        <translation>程式庫 (Built with)</translation>
    </message>
    <message>
        <source>找不到授權條款全文 (The licence text is missing): %1</source>
        <translation>找不到授權條款全文 (The licence text is missing): %1</translation>
    </message>
    <message>
        <source>關於 Tavrin (About Tavrin)</source>
        <translation>關於 Tavrin (About Tavrin)</translation>
    </message>
    <message>
        <source>關於 (About)</source>
        <translation>關於 (About)</translation>
    </message>
    <message>
        <source>鳴謝 (Credits)</source>
        <translation>致謝 (Credits)</translation>
    </message>
</context>
<context>
    <name>tavrin::BoardWindow</name>
    <message>
        <source>恭喜你!你成功在50步內拿到5000分!!</source>
        <translation>恭喜你！你成功在50步內拿到5000分！！</translation>
    </message>
</context>
<context>
    <name>tavrin::EndWindow</name>
    <message>
        <source>恭喜你贏了！做得好！</source>
        <translation>恭喜你贏了！做得好！</translation>
    </message>
</context>
<context>
    <name>tavrin::FindBar</name>
    <message>
        <source>尋找 (Find):</source>
        <translation>尋找 (Find):</translation>
    </message>
    <message>
        <source>尋找 (Find)</source>
        <translation>尋找 (Find)</translation>
    </message>
    <message>
        <source>上一個 (Previous)</source>
        <translation>上一個 (Previous)</translation>
    </message>
    <message>
        <source>下一個 (Next)</source>
        <translation>下一個 (Next)</translation>
    </message>
    <message>
        <source>找不到 (Not found)</source>
        <translation>找不到 (Not found)</translation>
    </message>
</context>
<context>
    <name>tavrin::GameMenu</name>
    <message>
        <source>音效 (Sound effects)</source>
        <translation>音效 (Sound effects)</translation>
    </message>
    <message>
        <source>音樂 (Music)</source>
        <translation>音樂 (Music)</translation>
    </message>
    <message>
        <source>玩法 (How to play)</source>
        <translation>玩法 (How to play)</translation>
    </message>
    <message>
        <source>關於 Tavrin (About Tavrin)</source>
        <translation>關於 Tavrin (About Tavrin)</translation>
    </message>
    <message>
        <source>音量 (Volume)</source>
        <translation>音量 (Volume)</translation>
    </message>
    <message>
        <source>語言 (Language)</source>
        <translation>語言 (Language)</translation>
    </message>
    <message>
        <source>跟隨系統 (System language)</source>
        <translation>跟隨系統 (System language)</translation>
    </message>
    <message>
        <source>下一局起生效 (From the next game on)</source>
        <translation>下一局開始生效 (From the next game on)</translation>
    </message>
    <message>
        <source>學習模式 (Learning mode)</source>
        <translation>學習模式 (Learning mode)</translation>
    </message>
    <message>
        <source>新遊戲 (New game)</source>
        <translation>新遊戲 (New game)</translation>
    </message>
    <message>
        <source>大小 (Size)</source>
        <translation>大小 (Size)</translation>
    </message>
    <message>
        <source>下次啟動起生效 (From the next start on)</source>
        <translation>下次啟動起生效 (From the next start on)</translation>
    </message>
</context>
<context>
    <name>tavrin::HelpWindow</name>
    <message>
        <source>上一頁 (Back)</source>
        <translation>上一頁 (Back)</translation>
    </message>
    <message>
        <source>下一頁 (Forward)</source>
        <translation>下一頁 (Forward)</translation>
    </message>
    <message>
        <source>章節 (Sections):</source>
        <translation>章節 (Sections):</translation>
    </message>
    <message>
        <source>章節 (Sections)</source>
        <translation>章節 (Sections)</translation>
    </message>
    <message>
        <source>尋找 (Find)</source>
        <translation>尋找 (Find)</translation>
    </message>
    <message>
        <source>關閉 (Close)</source>
        <translation>關閉 (Close)</translation>
    </message>
</context>
<context>
    <name>tavrin::NewGame</name>
    <message>
        <source> * * * * * 你真的要開始新遊戲嗎? * * * * * </source>
        <translation> * * * * * 你真的要開始新遊戲嗎？ * * * * * </translation>
    </message>
</context>
<context>
    <name>tavrin::QuizFeedback</name>
    <message>
        <source>解釋 (Explanation)</source>
        <translation>解釋 (Explanation)</translation>
    </message>
    <message>
        <source>答對了！</source>
        <translation>答對了！</translation>
    </message>
    <message>
        <source>答錯了。</source>
        <translation>答錯了。</translation>
    </message>
    <message>
        <source>正確答案：%1</source>
        <translation>正確答案：%1</translation>
    </message>
    <message>
        <source>（按 Enter、空白鍵或按一下繼續）</source>
        <translation>（按 Enter、空白鍵或點一下繼續）</translation>
    </message>
</context>
<context>
    <name>tavrin::QuizWindow</name>
    <message>
        <source>The quiz ends here without a bonus; the game goes on.</source>
        <translation>問答到此結束，沒有獎勵分數；遊戲繼續。</translation>
    </message>
    <message>
        <source>✔ 正確</source>
        <translation>✔ 正確</translation>
    </message>
</context>
<context>
    <name>tavrin::ReviewWindow</name>
    <message>
        <source>你贏了！</source>
        <translation>你贏了！</translation>
    </message>
    <message>
        <source>擲骰次數用完了。</source>
        <translation>擲骰次數用完了。</translation>
    </message>
    <message>
        <source>結果 (Result)</source>
        <translation>結果 (Result)</translation>
    </message>
    <message>
        <source>最後得分：%1。問答答對 %2 題，共 %3 題。</source>
        <translation>最後得分：%1。問答答對 %2 題，共 %3 題。</translation>
    </message>
    <message>
        <source>再讀一次 (Questions to read again)</source>
        <translation>再讀一次 (Questions to read again)</translation>
    </message>
    <message>
        <source>沒有答錯的題目。</source>
        <translation>沒有答錯的題目。</translation>
    </message>
    <message>
        <source>正確答案：%1</source>
        <translation>正確答案：%1</translation>
    </message>
    <message>
        <source>沒有。</source>
        <translation>沒有。</translation>
    </message>
    <message>
        <source>健康習慣 (Healthy habits)</source>
        <translation>健康習慣 (Healthy habits)</translation>
    </message>
    <message>
        <source>風險因素 (Risks)</source>
        <translation>危險因子 (Risks)</translation>
    </message>
    <message>
        <source>甚麼是冠心病 (What it is)</source>
        <translation>什麼是冠心病 (What it is)</translation>
    </message>
    <message>
        <source>風險因素 (Risk factors)</source>
        <translation>危險因子 (Risk factors)</translation>
    </message>
    <message>
        <source>警告徵狀 (Warning signs)</source>
        <translation>警訊症狀 (Warning signs)</translation>
    </message>
    <message>
        <source>預防 (Prevention)</source>
        <translation>預防 (Prevention)</translation>
    </message>
    <message>
        <source>資訊中心 (Info Center)</source>
        <translation>資訊中心 (Info Center)</translation>
    </message>
    <message>
        <source>這部電腦上的最佳成績 (Best games)</source>
        <translation>這台電腦上的最佳成績 (Best games)</translation>
    </message>
    <message>
        <source>日期 (Date)</source>
        <translation>日期 (Date)</translation>
    </message>
    <message>
        <source>分數 (Score)</source>
        <translation>分數 (Score)</translation>
    </message>
    <message>
        <source>答對 (Right)</source>
        <translation>答對 (Right)</translation>
    </message>
    <message>
        <source>贏 (Won)</source>
        <translation>贏 (Won)</translation>
    </message>
    <message>
        <source>輸 (Lost)</source>
        <translation>輸 (Lost)</translation>
    </message>
    <message>
        <source>回顧 (Review)</source>
        <translation>回顧 (Review)</translation>
    </message>
    <message>
        <source>關閉 (Close)</source>
        <translation>關閉 (Close)</translation>
    </message>
</context>
<context>
    <name>tavrin::StatusStrip</name>
    <message>
        <source> * * * * * 你真的要離開嗎? * * * * * </source>
        <translation> * * * * * 你真的要離開嗎？ * * * * * </translation>
    </message>
</context>
<context>
    <name>tavrin::TargetGameWindow</name>
    <message>
        <source>你射中了 %1 個誘因和 %2 個健康習慣。記住：%3，對心臟有益！</source>
        <translation>你射中了 %1 個誘因和 %2 個健康習慣。記住：%3，對心臟有益！</translation>
    </message>
</context>
</TS>
