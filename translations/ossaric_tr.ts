<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Advice</name>
    <message>
        <source>There is no move to advise on the setup screen: start the game first.</source>
        <translation>Kurulum ekranında önerilecek hamle yok: önce oyunu başlatın.</translation>
    </message>
    <message>
        <source>Close the panel first: the best move is shown on the board.</source>
        <translation>Önce paneli kapatın: en iyi hamle oyun masasında gösterilir.</translation>
    </message>
    <message>
        <source>The game is over: there is no move to advise.</source>
        <translation>Oyun bitti: önerilecek hamle yok.</translation>
    </message>
    <message>
        <source>There is no move to advise now.</source>
        <translation>Şu anda önerilecek hamle yok.</translation>
    </message>
    <message>
        <source>Write 0 in %1 now: expected total %2.</source>
        <translation>Şimdi %1 satırına 0 yazın: beklenen toplam %2.</translation>
    </message>
    <message>
        <source>Write %1 now: expected total %2.</source>
        <translation>Şimdi %1 satırına yazın: beklenen toplam %2.</translation>
    </message>
    <message>
        <source>Throw the dice: expected total %1.</source>
        <translation>Zarları atın: beklenen toplam %1.</translation>
    </message>
    <message>
        <source>Throw the dice in the cup: expected total %1.</source>
        <translation>Bardaktaki zarları atın: beklenen toplam %1.</translation>
    </message>
    <message>
        <source>Return the %1 and throw again: expected total %2.</source>
        <translation>%1 gelen zarı bardağa koyup yeniden atın: beklenen toplam %2.</translation>
    </message>
    <message>
        <source>Return the %1 and the %2 and throw again: expected total %3.</source>
        <translation>%1 ve %2 gelen zarları bardağa koyup yeniden atın: beklenen toplam %3.</translation>
    </message>
    <message>
        <source>Return the %1, the %2 and the %3 and throw again: expected total %4.</source>
        <translation>%1, %2 ve %3 gelen zarları bardağa koyup yeniden atın: beklenen toplam %4.</translation>
    </message>
    <message>
        <source>Return the %1, the %2, the %3 and the %4 and throw again: expected total %5.</source>
        <translation>%1, %2, %3 ve %4 gelen zarları bardağa koyup yeniden atın: beklenen toplam %5.</translation>
    </message>
    <message>
        <source>Return all five dice and throw again: expected total %1.</source>
        <translation>Beş zarın hepsini bardağa koyup yeniden atın: beklenen toplam %1.</translation>
    </message>
    <message>
        <source>Writing 0 in %1 now: %2.</source>
        <translation>Şimdi %1 satırına 0 yazmak: %2.</translation>
    </message>
    <message>
        <source>Writing %1 now: %2.</source>
        <translation>Şimdi %1 satırına yazmak: %2.</translation>
    </message>
    <message>
        <source>Throwing again at best: %1.</source>
        <translation>En iyi şekilde yeniden atmak: %1.</translation>
    </message>
    <message>
        <source>Best Move</source>
        <translation>En İyi Hamle</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>MCI Error</source>
        <translation>MCI Hatası</translation>
    </message>
    <message>
        <source>the settings could not be saved to %1: %2</source>
        <translation>ayarlar %1 dosyasına kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1: %2.</source>
        <translation>Ayarlarınız %1 dosyasına kaydedilemedi: %2.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
    <message>
        <source>about-text</source>
        <extracomment>The About box: &quot;Ossaric 1.0 - five dice, one cup, a scroll&quot; (first line), then &quot;Thrown on marble, written in ink. Good luck!&quot; (second line). Write both lines with a line break between them, and keep &quot;Ossaric 1.0&quot;.</extracomment>
        <translation>Ossaric 1.0 – beş zar, bir bardak, bir parşömen
Mermere atıldı, mürekkeple yazıldı. İyi şanslar!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Ossaric Hakkında</translation>
    </message>
    <message>
        <source>function failed</source>
        <translation>işlev başarısız oldu</translation>
    </message>
    <message>
        <source>buffer is too small</source>
        <translation>arabellek çok küçük</translation>
    </message>
    <message>
        <source>Cannot write to file</source>
        <translation>Dosyaya yazılamıyor</translation>
    </message>
    <message>
        <source>The Top Ten could not be saved to %1: %2</source>
        <translation>En İyi 10 listesi %1 dosyasına kaydedilemedi: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n points was scored by %1</source>
        <extracomment>The Game Over box of a game of one: the total, then the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 %n puan aldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Oyun Bitti</translation>
    </message>
    <message>
        <source>The choice of computer could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Bilgisayar seçimi %1 dosyasına kaydedilemedi: %2; seçim oyundan çıkana kadar geçerli.</translation>
    </message>
    <message>
        <source>The choice of language could not be saved to %1: %2; it holds until you quit.</source>
        <translation>Dil seçimi %1 dosyasına kaydedilemedi: %2; seçim oyundan çıkana kadar geçerli.</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Bexil</source>
        <translation>Bexil</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Büyük Kent</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Küçük Kent</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kare</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Altılar</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Beşler</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Dörtler</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Üçler</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>İkiler</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>Birler</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Şans</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to four players, or one against the computer.</source>
        <translation>Bir ila dört oyuncu için ya da bilgisayara karşı tek kişilik bir zar oyunu.</translation>
    </message>
    <message>
        <source>Read the sound effects, the music and the help from &lt;dir&gt;.</source>
        <translation>Ses efektlerini, müziği ve yardımı &lt;dizin&gt; içinden oku.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>dizin</translation>
    </message>
    <message>
        <source>Keep the settings file bexil.ini in &lt;dir&gt;.</source>
        <translation>bexil.ini ayar dosyasını &lt;dizin&gt; içinde tut.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman: “%1”.</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; needs a directory.</source>
        <translation>“--%1” seçeneği bir dizin gerektirir.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Seçenekleri görmek için “%1 --help” komutunu deneyin.
</translation>
    </message>
    <message>
        <source>no data directory &apos;%1&apos;</source>
        <translation>“%1” diye bir veri dizini yok</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>hedefi olmayan bir sembolik bağlantı</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>bu bir dosya değil, dizin</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>bu bir dosya değil, adlandırılmış kanal</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>bu bir dosya değil, aygıt</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>bu bir dosya değil, soket</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>erişim reddedildi</translation>
    </message>
    <message>
        <source>another running game kept it locked</source>
        <translation>çalışan başka bir oyun dosyayı kilitli tuttu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>disk kotası doldu</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>disk salt okunur</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>yolunun bir parçası dizin değil</translation>
    </message>
    <message>
        <source>its symbolic links go round in a loop</source>
        <translation>sembolik bağlantıları bir döngü oluşturuyor</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>dosya çok büyük</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>disk bir hata bildirdi</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ossaric Help</source>
        <translation>Ossaric Yardımı</translation>
    </message>
    <message>
        <source>%1, link</source>
        <translation>%1, bağlantı</translation>
    </message>
    <message>
        <source>Loading the help ...</source>
        <translation>Yardım yükleniyor…</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; is too large to show, in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Oyun dizinindeki&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;yardım dosyası &lt;b&gt;%1&lt;/b&gt; gösterilemeyecek kadar büyük.</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; was not found in the game directory&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;.</source>
        <translation>Yardım dosyası &lt;b&gt;%1&lt;/b&gt; oyun dizininde&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;bulunamadı.</translation>
    </message>
    <message>
        <source>Help is missing</source>
        <translation>Yardım bulunamadı</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Best Move</source>
        <translation>En İyi &amp;Hamle</translation>
    </message>
    <message>
        <source>Re&amp;view of the Last Game</source>
        <translation>Son Oyunun &amp;Değerlendirmesi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>S&amp;eçenekler</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>As the &amp;Desktop</source>
        <translation>&amp;Sistem Dili</translation>
    </message>
    <message>
        <source>C&amp;lassic Computer</source>
        <translation>&amp;Klasik Bilgisayar</translation>
    </message>
    <message>
        <source>&amp;Expert Computer</source>
        <translation>&amp;Uzman Bilgisayar</translation>
    </message>
</context>
<context>
    <name>MenuItems</name>
    <message>
        <source>&amp;Restart game</source>
        <translation>Oyunu &amp;Yeniden Başlat</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Yeni &amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Daha &amp;Hızlı</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Daha &amp;Yavaş</translation>
    </message>
    <message>
        <source>&amp;Music on</source>
        <translation>&amp;Müzik Açık</translation>
    </message>
    <message>
        <source>M&amp;usic off</source>
        <translation>Müzik &amp;Kapalı</translation>
    </message>
    <message>
        <source>&amp;Sound effects on</source>
        <translation>&amp;Ses Efektleri Açık</translation>
    </message>
    <message>
        <source>Sound &amp;effects off</source>
        <translation>Ses &amp;Efektleri Kapalı</translation>
    </message>
    <message>
        <source>&amp;Current Totals</source>
        <translation>&amp;Güncel Puanlar</translation>
    </message>
    <message>
        <source>&amp;Top Ten Scores</source>
        <translation>&amp;En İyi 10</translation>
    </message>
    <message>
        <source>C&amp;lear Top Ten Scores</source>
        <translation>En İyi 10&apos;u &amp;Temizle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ossaric &amp;Hakkında</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;AnimationSpeed</source>
        <translation>&amp;Hız</translation>
    </message>
    <message>
        <source>Au&amp;dio</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Puanlar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The music file &quot;%1&quot; stopped as soon as it began. It is left out until the game is started again.</source>
        <translation>“%1” müzik dosyası başlar başlamaz durdu. Oyun yeniden başlatılana kadar çalınmayacak.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name before one is typed; %1 is 1 to 4. At most eight characters if you can.</extracomment>
        <translation>Oyuncu %1</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Choose option from the Play menu</source>
        <translation>“Oyun” menüsünden bir komut seçin.</translation>
    </message>
    <message>
        <source>Start new play</source>
        <translation>Yeni bir oyun başlatın</translation>
    </message>
    <message>
        <source>Choose a score category now</source>
        <translation>Şimdi puanı yazacağınız kategoriyi seçin.</translation>
    </message>
    <message>
        <source>Three roll limit</source>
        <translation>En fazla üç atış</translation>
    </message>
    <message>
        <source>There are no dice in the cup</source>
        <translation>Bardakta zar yok.</translation>
    </message>
    <message>
        <source>End of Game</source>
        <translation>Oyun Sonu</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Return</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Sıradaki</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 – Puanlar</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Biliyor musunuz?</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Sonraki</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Display Tip of the Day</source>
        <translation>Günün ipucunu göster</translation>
    </message>
    <message>
        <source>Return to %1</source>
        <extracomment>The setup screen&apos;s way out: %1 is the game&apos;s name, drawn in a script face.</extracomment>
        <translation>%1 Oyununa Dön</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The button&apos;s two lines, &quot;Next&quot; over &quot;Player&quot;, on a 50-pixel square: a short word each.</extracomment>
        <translation>Sıradaki</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Atış</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncular</translation>
    </message>
    <message>
        <source>Players&apos; Names</source>
        <translation>Oyuncu Adları</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>write %1</source>
        <translation>%1 satırına yazmak</translation>
    </message>
    <message>
        <source>throw all five</source>
        <translation>beş zarı da atmak</translation>
    </message>
    <message>
        <source>keep %1 and throw</source>
        <translation>%1 tutup atmak</translation>
    </message>
    <message>
        <source>The review is ready once a game has been played to its end.</source>
        <translation>Değerlendirme, bir oyun sonuna kadar oynandığında hazır olur.</translation>
    </message>
    <message>
        <source>Your play: %1 % (%2 points lost to choices)</source>
        <translation>Oyununuz: yüzde %1 (seçimlerle kaybedilen: %2 puan)</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 points lost to choices)</source>
        <translation>%1: yüzde %2 (seçimlerle kaybedilen: %3 puan)</translation>
    </message>
    <message>
        <source>Every choice was the best one.</source>
        <translation>Her seçim en iyisiydi.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2, dice %3: %4; best: %5 (%6 points).</source>
        <translation>Tur %1, atış %2, zarlar %3: %4; en iyisi: %5 (%6 puan).</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Değerlendirme</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>Game table</source>
        <translation>Oyun masası</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>one</source>
        <translation>bir</translation>
    </message>
    <message>
        <source>two</source>
        <translation>iki</translation>
    </message>
    <message>
        <source>three</source>
        <translation>üç</translation>
    </message>
    <message>
        <source>four</source>
        <translation>dört</translation>
    </message>
    <message>
        <source>five</source>
        <translation>beş</translation>
    </message>
    <message>
        <source>six</source>
        <translation>altı</translation>
    </message>
    <message>
        <source>Cup, the computer is playing</source>
        <translation>Bardak, bilgisayar oynuyor</translation>
    </message>
    <message>
        <source>Next Player, %1&apos;s turn</source>
        <translation>Sıradaki oyuncu: %1</translation>
    </message>
    <message>
        <source>Cup, no game in play</source>
        <translation>Bardak, süren oyun yok</translation>
    </message>
    <message>
        <source>Cup, no throws left, choose a score</source>
        <translation>Bardak, atış hakkı kalmadı, bir kategori seçin</translation>
    </message>
    <message>
        <source>Cup, player 1 takes it back</source>
        <translation>Bardak, Oyuncu 1 geri alır</translation>
    </message>
    <message numerus="yes">
        <source>Cup empty, %n throw(s) left</source>
        <translation>
            <numerusform>Bardak boş, %n atış hakkı kaldı</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the cup: what a press does, then the throws left</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Throw %n dice</source>
        <translation>
            <numerusform>%n zar at</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s) left</source>
        <translation>
            <numerusform>%n atış hakkı kaldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1, %2</source>
        <translation>Zar %1, %2</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Sıradaki</translation>
    </message>
    <message>
        <source>Next Hint</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Bilgisayara karşı</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n oyuncu</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of player %1, %2</source>
        <translation>%1. oyuncunun adı, %2</translation>
    </message>
    <message>
        <source>kept, no throws left</source>
        <translation>tutuldu, atış hakkı kalmadı</translation>
    </message>
    <message>
        <source>on the table, press to put it back in the cup</source>
        <translation>masada, bardağa geri koymak için basın</translation>
    </message>
    <message>
        <source>type the name, Return ends it</source>
        <translation>adı yazın, Enter ile bitirin</translation>
    </message>
    <message numerus="yes">
        <source>%n dice in the cup</source>
        <translation>
            <numerusform>bardakta %n zar</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Puan tablosu</translation>
    </message>
    <message>
        <source>empty, would score %1</source>
        <translation>boş, %1 puan getirir</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a cell of the sheet: category, player, value</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1&apos;s total %2</source>
        <translation>%1 toplamda %2</translation>
    </message>
    <message>
        <source>%1&apos;s Total</source>
        <translation>%1 – Puanlar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the totals panel</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Toplam %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a line of the Top Ten</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Biliyor musunuz?</translation>
    </message>
    <message>
        <source>New game. Choose the players and their names, then Return to Ossaric</source>
        <translation>Yeni oyun. Oyuncuları ve adlarını seçin, sonra “Ossaric Oyununa Dön” yazısına basın</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Attığınız: %1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 attı: %2</translation>
    </message>
    <message numerus="yes">
        <source>You keep %1, throw %n dice: %2</source>
        <translation>
            <numerusform>Tuttuğunuz: %1; attığınız %n zar: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 keeps %2, throws %n dice: %3</source>
        <translation>
            <numerusform>%1 tuttu: %2; %n zar attı: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>You write %1 in %2</source>
        <translation>%2 satırına %1 yazdınız</translation>
    </message>
    <message>
        <source>%1 writes %2 in %3</source>
        <translation>%1, %3 satırına %2 yazdı</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>Atma sırası: %1</translation>
    </message>
    <message numerus="yes">
        <source>Throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%1. atış. %2. %n atış hakkı kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3, %1. atış. %2. %n atış hakkı kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%3 keeps %4, throw %1. %2. %n throw(s) left</source>
        <translation>
            <numerusform>%3 tuttu: %4; %1. atış. %2. %n atış hakkı kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s). Total %2</source>
        <translation>
            <numerusform>%1, %n puan. Toplam %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s) for %3. Total %2</source>
        <translation>
            <numerusform>%1, %3 için %n puan. Toplam %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die %1, %2, back in the cup. %n dice in the cup</source>
        <translation>
            <numerusform>Zar %1, %2, bardağa geri kondu. Bardakta %n zar</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone. %1 is empty again. Total %2</source>
        <translation>Geri alındı. %1 yeniden boş. Toplam %2</translation>
    </message>
    <message numerus="yes">
        <source>Undone. %n dice back on the table</source>
        <translation>
            <numerusform>Geri alındı. %n zar yeniden masada</numerusform>
        </translation>
    </message>
    <message>
        <source>Next Player. %1&apos;s turn</source>
        <translation>Sıradaki oyuncu. Sıra: %1</translation>
    </message>
    <message numerus="yes">
        <source>Game over. %n point(s)</source>
        <translation>
            <numerusform>Oyun bitti. %n puan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. A tie at %n point(s)</source>
        <translation>
            <numerusform>Oyun bitti. %n puanla berabere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game over. %1 wins with %n point(s)</source>
        <translation>
            <numerusform>Oyun bitti. %1 %n puanla kazandı</numerusform>
        </translation>
    </message>
    <message>
        <source>Top Ten cleared</source>
        <translation>En İyi 10 temizlendi</translation>
    </message>
    <message>
        <source>Ossaric closes</source>
        <translation>Ossaric kapanıyor</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>5-Dice</source>
        <translation>5 Zar</translation>
    </message>
    <message>
        <source>Single-Column</source>
        <translation>Tek Sütun</translation>
    </message>
    <message>
        <source>10-Dice</source>
        <translation>10 Zar</translation>
    </message>
    <message>
        <source>Double-Column</source>
        <translation>Çift Sütun</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Bilgisayar</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>%1&apos;s Total:</source>
        <translation>%1 toplamda:</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s column: on the sheet, in the panels and in the Game Over box.</extracomment>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The points tooltip over a row of the score sheet: the category, then its points.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound device is already in use.</source>
        <translation>Ses aygıtı zaten kullanımda.</translation>
    </message>
    <message>
        <source>No audio device is available: %1</source>
        <translation>Kullanılabilir ses aygıtı yok: %1</translation>
    </message>
    <message>
        <source>No audio device is available.</source>
        <translation>Kullanılabilir ses aygıtı yok.</translation>
    </message>
    <message>
        <source>Music cannot be played: no General MIDI soundfont was found. Install the timgm6mb-soundfont package to hear it.</source>
        <translation>Müzik çalınamıyor: General MIDI ses bankası (soundfont) bulunamadı. Müziği duymak için timgm6mb-soundfont paketini kurun.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be found.</source>
        <translation>“%1” müzik dosyası bulunamıyor.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is not a MIDI file.</source>
        <translation>“%1” müzik dosyası bir MIDI dosyası değil.</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot be played: %2</source>
        <translation>“%1” müzik dosyası çalınamıyor: %2</translation>
    </message>
    <message>
        <source>No music piece is open on this device.</source>
        <translation>Bu aygıtta açık bir müzik parçası yok.</translation>
    </message>
    <message>
        <source>The music cannot start: %1</source>
        <translation>Müzik başlatılamıyor: %1</translation>
    </message>
    <message>
        <source>The music device reported no error.</source>
        <translation>Müzik aygıtı bir hata bildirmedi.</translation>
    </message>
    <message>
        <source>Music cannot be played on this system.</source>
        <translation>Bu sistemde müzik çalınamıyor.</translation>
    </message>
    <message>
        <source>The music file cannot be opened.</source>
        <translation>Müzik dosyası açılamıyor.</translation>
    </message>
    <message>
        <source>The music cannot start.</source>
        <translation>Müzik başlatılamıyor.</translation>
    </message>
    <message>
        <source>A music piece stopped as soon as it began.</source>
        <translation>Bir müzik parçası başlar başlamaz durdu.</translation>
    </message>
    <message>
        <source>Unknown music device error %1.</source>
        <translation>Bilinmeyen müzik aygıtı hatası: %1.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Animation speed can
be changed by
pressing the &quot;+&quot;
or &quot;-&quot; key.</source>
        <translation>Animasyon hızını “+” ve “-” tuşlarıyla değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>You can&apos;t fall off
the floor.</source>
        <translation>Yerden aşağı düşemezsiniz.</translation>
    </message>
    <message>
        <source>You can stop a piece of music
from being played by changing
that file&apos;s extension from
mid or by deleting it.</source>
        <translation>Bir müzik parçasının çalınmasını istemiyorsanız dosyasının “mid” uzantısını değiştirin ya da dosyayı silin.</translation>
    </message>
    <message>
        <source>Alexander Graham Bell
invented the telephone so
people could stop shouting.
            - student quote</source>
        <translation>Alexander Graham Bell telefonu, insanlar bağırmaktan kurtulsun diye icat etti.
        – bir sınav kâğıdından</translation>
    </message>
    <message>
        <source>Restart the current game
by selecting Restart Game
from the Game menu.</source>
        <translation>“Oyun” menüsündeki “Oyunu Yeniden Başlat” komutu, süren oyunu baştan başlatır.</translation>
    </message>
    <message>
        <source>If all else fails,
read the manual.</source>
        <translation>Her şey boşa çıkarsa kılavuzu okuyun.</translation>
    </message>
    <message>
        <source>Undo either gives you back
the dice in the cup or
deletes the last score,
depending on your last move.</source>
        <translation>“Geri Al”, son hamlenize göre ya bardaktaki zarları masaya geri getirir ya da son yazılan puanı siler.</translation>
    </message>
    <message>
        <source>What&apos;s another word for
Thesaurus?</source>
        <translation>“Eş anlamlı” sözcüğünün eş anlamlısı nedir?</translation>
    </message>
    <message>
        <source>Put your own music (midi)
files into the folder
~/.local/share/ossaric/music
to hear them in sequence.</source>
        <translation>Kendi müziklerinizi (MIDI dosyaları)
~/.local/share/ossaric/music
klasörüne koyun, sırayla çalınsın.</translation>
    </message>
    <message>
        <source>Gravity is chiefly noticeable
in the autumn, when the
apples are falling off trees.
              - student quote</source>
        <translation>Yer çekimi en çok sonbaharda, elmalar ağaçlardan düşerken fark edilir.
        – bir sınav kâğıdından</translation>
    </message>
    <message>
        <source>The Top Ten Scores can be
cleared by selecting the
Clear Top Ten Scores from
the Scores menu.</source>
        <translation>“Puanlar” menüsündeki “En İyi 10&apos;u Temizle” komutu, En İyi 10 listesini boşaltır.</translation>
    </message>
    <message>
        <source>Red tape holds up new
bridge.
            - news item</source>
        <translation>Yeni köprü bürokrasi yüzünden havada kaldı.
        – bir gazete haberinden</translation>
    </message>
    <message>
        <source>Ossaric keeps the ten best
totals of its human players.
The Computer plays, but
never enters the Top Ten.</source>
        <translation>Ossaric, insan oyuncuların en iyi on toplamını saklar. Bilgisayar da oynar ama En İyi 10&apos;a asla giremez.</translation>
    </message>
    <message>
        <source>The invention of steamboats
caused a network of rivers
to spring up.
            - student quote</source>
        <translation>Buharlı geminin icadı, bir nehirler ağının ortaya çıkmasına yol açtı.
        – bir sınav kâğıdından</translation>
    </message>
    <message>
        <source>The dots under the
cup indicate the
number of rolls
available.</source>
        <translation>Bardağın altındaki noktalar kaç atış hakkınız kaldığını gösterir.</translation>
    </message>
    <message>
        <source>Never judge a book by its
movie.</source>
        <translation>Bir kitabı asla filmine bakarak yargılamayın.</translation>
    </message>
    <message>
        <source>Ossaric remembers how many
play and all their names
from one game to the next.</source>
        <translation>Ossaric, kaç kişinin oynadığını ve adlarını bir oyundan ötekine hatırlar.</translation>
    </message>
    <message>
        <source>The inhabitants of Egypt
were called mummies.  They
traveled by Camelot.
           - student quote</source>
        <translation>Mısır&apos;ın eski halkına mumya denirdi. Kamelot&apos;la yolculuk ederlerdi.
        – bir sınav kâğıdından</translation>
    </message>
    <message>
        <source>Your selected
animation speed is
saved from game to
game.</source>
        <translation>Seçtiğiniz animasyon hızı oyundan oyuna saklanır.</translation>
    </message>
    <message>
        <source>Make headlines!
 - Sleep on a corduroy
pillow.</source>
        <translation>İz bırakın! Fitilli kadife bir yastıkta uyuyun.</translation>
    </message>
</context>
<context>
    <name>TopTen</name>
    <message>
        <source>  5-Dice Bexil High Scores</source>
        <extracomment>The Top Ten&apos;s heading, in a fixed-pitch face: 28 characters at most, leading spaces included; the line under it is drawn as wide as the words.</extracomment>
        <translation>  Bexil – En İyi 10</translation>
    </message>
    <message>
        <source>The Top Ten scores in %1 cannot be read: %2.
New scores are shown but not saved while the file cannot be read.</source>
        <translation>%1 dosyasındaki En İyi 10 puanları okunamıyor: %2.
Dosya okunamadığı sürece yeni puanlar gösterilir ama kaydedilmez.</translation>
    </message>
    <message>
        <source>      Name             Score</source>
        <extracomment>The Top Ten&apos;s columns: the names start under the 7th character and the scores at about the 16th; 28 characters at most. Translated, the words before and after the first run of two or more spaces are set over the names&apos; and the scores&apos; columns.</extracomment>
        <translation>      Ad               Puan</translation>
    </message>
</context>
</TS>
