<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Program sürümü</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Yayın tarihi</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent, Wendo bisiklet bilgisayarınızı çevrimiçi sürüşlerinizle uyumlu tutar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Ayarlarınız kaydedilemedi, disk dolu olabilir. Daha önce kaydedilen ayarlar korunuyor.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Temel ayarlar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Çıkış yap</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Güncelleme denetleniyor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Güncelleme denetleniyor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Son bağlantı</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Kayıt tarihi</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Kaydı sil</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Bu işlem biraz zaman alabilir. Lütfen bekleyin ve cihazınızın bağlantısını kesmeyin.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>İndiriliyor…</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Cihaz güncellemesi</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>Donanım yazılımı (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Yazılım (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>OSM harita güncellemesi (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>TA harita güncellemesi (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Şifrenizi mi unuttunuz?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Giriş yap</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Beni hatırla</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-posta adresi veya şifre yanlış. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Düğmeye tıklayarak &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;kullanım koşullarını &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; gizlilik politikasını &lt;/a&gt; kabul etmiş olursunuz.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Lütfen geçerli bir e-posta adresi girin.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Harita</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Almanya, Avusturya ve İsviçre</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Mevcut haritayı yükseltin veya özel teklifle premium hizmet satın alın</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Satın al</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Güncelleme mevcut]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>OSM tarih kodu</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>TA tarih kodu</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>OSM haritası asfalt ve asfalt olmayan yol verileri sunar.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>TA haritası adres içeren harita verileri sunar.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Çin</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Kayıt bilgisi</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Yedekle</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Verilerim</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare senkronizasyonu</translation>
    </message>
    <message>
        <source>test</source>
        <translation>deneme</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Donanım yazılımı sürümü</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Yazılım sürümü</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Güncellemeleri ara</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[Cihaz yazılımı güncel]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Sürüm notları</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Cihaz güncellemesi</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    Donanım yazılımı (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Yazılım (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．OSM harita güncellemesi (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．TA harita güncellemesi (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Sürüm notları</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Güncellemeden önce cihazı yedekle</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Sonra</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Yeni güncelleme mevcut</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>QuorvaneShare sunucusuna bağlanılamadı. Lütfen internet bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>ZeqShare sunucusuna bağlanılamadı. Lütfen internet bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>İnternet bağlantısı</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Kaydedildi</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>WendoAgent hakkında</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Çıkış yap</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-posta adresi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Giriş yap</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>E-posta adresi veya şifre yanlış. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Beni hatırla</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>WendoAgent’ı aç</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri ara</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>QuorvaneShare web sitesini aç</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>ZeqShare web sitesini aç</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>WendoAgent’ı kapat</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Başlangıçta çalıştır</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Tüm veriler QuorvaneShare’e yüklendi.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Tüm veriler ZeqShare’e yüklendi.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Görmek için tıklayın</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Güncelleme mevcut</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Yeni bir güncelleme mevcut. Ayrıntılar için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Yedekle</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Yedekleniyor… Lütfen cihazınızın bağlantısını kesmeyin.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Geri yükleniyor… Lütfen cihazınızın bağlantısını kesmeyin.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Cihaz yedeği</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Cihazı geri yükleme</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Yedekleme tamamlandı</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Yedekleme başarısız oldu. %1 cihazınızın bilgisayara hâlâ bağlı olduğundan emin olun. Sorun devam ederse Zeq destek ekibine başvurun.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Geri yükleme tamamlandı</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Geri yükleme başarısız oldu. %1 cihazınızın bilgisayara hâlâ bağlı olduğundan emin olun. Sorun devam ederse Zeq destek ekibine başvurun.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>bağlı</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Kayıt bilgisi</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Cihazı kaydet</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Bu cihaz kayıtlı değil. Sürüşlerinizin ve rotalarınızın QuorvaneShare ile senkronize edilmesi için cihazınızı kaydedin.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Bu cihaz kayıtlı değil. Sürüşlerinizin ve rotalarınızın ZeqShare ile senkronize edilmesi için cihazınızı kaydedin.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>Bağlı cihaz bu hesaba bağlı değil, ancak güncelleme işlevini yine de kullanabilirsiniz.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Wendo verilerinizi yedekleyin</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Son yedek</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Verilerim</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Senkronize et</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Sürüşler yükleniyor: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Rotalar indiriliyor: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tekrar dene</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Cihazınızda yeterli bellek alanı yok.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>Senkronizasyon tamamlanmadı. Bellekte yer açmak için bazı sürüşleri veya rotaları silin.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>Bilgisayarın diski dolu. Biraz yer açın ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Bozuk veri</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Bozuk sürüşü sil</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Cihazınız geçersiz bilgiler içerdiği için bu kayıt işlenemedi. Bu mesajı bir daha görmemek için dosyayı cihazınızdan kaldırın.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>QuorvaneShare senkronizasyonu</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare senkronizasyonu</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Bazı veriler QuorvaneShare’e yüklenemiyor.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Bazı veriler ZeqShare’e yüklenemiyor.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Verilerinizi QuorvaneShare’e yüklemek için internete bağlanın.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Verilerinizi ZeqShare’e yüklemek için internete bağlanın.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Donanım yazılımı sürümü</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Yazılım sürümü</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Sürüm notları</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>Cihaz yazılımı güncel.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>BAĞLI CİHAZ YOK</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Lütfen cihazınızı bağlayın</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Kurtar</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Cihazınızı kurtarın</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Cihazınızı kullanamıyor musunuz? Endişelenmeyin, “Kurtar” düğmesine tıklayın, cihazınızı kurtarmanıza yardımcı olalım.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Cihaz kaydını silme</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>Cihazınızın kaydı silindi.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Cihazınızın kaydı henüz silinemedi.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>QuorvaneShare’deki rotalar cihazınızla otomatik olarak senkronize edilir.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare’deki rotalar cihazınızla otomatik olarak senkronize edilir.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Değişiklikleri kaydetmeden bu sayfadan çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Cihazım</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Haritalar</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Cihaz kaydı</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>Cihazınız kaydedildi.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>bağlı</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Kaydı silmek için lütfen cihazınızın bağlantısını kesin.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Son bağlantı</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Kayıt tarihi</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Cihazınızın kaydını silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Varsa yedek dosyamı da sil.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Güncellemeler denetleniyor</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Güncelleme başarısız oldu. %1 cihazınızın bilgisayara hâlâ bağlı olduğundan emin olun. Sorun devam ederse Zeq destek ekibine başvurun.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Cihaz güncellemesi</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Yazılım</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>Donanım yazılımı</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>HERE harita güncellemesi</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>TA harita güncellemesi</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>OSM harita güncellemesi</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Ülke haritaları güncellemesi</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Temel harita güncellemesi</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Harita güncellemesi</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Kuruluyor</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Güncelleme başarısız oldu. Lütfen internet bağlantınızı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Cihaz başarıyla kurtarıldı.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Cihazınız yeniden başlatılmış olmalı. Başlatılmadıysa güncelleme işlemini tamamlamak için cihazın bağlantısını şimdi kesin.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Güncelleme başarılı. Cihazınız yeniden başlatılmış olmalı. Başlatılmadıysa güncelleme işlemini tamamlamak için cihazın bağlantısını şimdi kesin.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>%1 sürücüsünde yeterli alan yok. Güncellemeleri tamamlamak için %2 MB gerekiyor.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Satın al</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>OSM haritası asfalt ve asfalt olmayan yol verileri sunar.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>TA haritası adres içeren harita verileri sunar.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Harita</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>HERE haritası adres içeren harita verileri sunar.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Bir yıl boyunca yeni harita verilerini indirmek için Premium’a tıklayın.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>Premium hizmetin bitiş tarihi:</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Mevcut haritayı yükseltin veya özel tekliflerle premium hizmeti satın alın.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>güncellemesi</translation>
    </message>
    <message>
        <source>version</source>
        <translation>sürüm</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Kayıt bilgisi</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Cihaz erişimi</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Wendo cihazınız takılı, ancak WendoAgent %1 bağlantı noktasını kullanamıyor; bu yüzden cihaz gösterilemiyor.

WendoAgent paketini kurarsanız oturum açmış kullanıcı bu bağlantı noktasına erişebilir. Ya da kullanıcınızı “dialout” grubuna ekleyin (sudo adduser $USER dialout) ve masaüstünde yeniden oturum açın.

Ardından cihazı çıkarıp yeniden takın.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Sürüş geçmişi</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Yüklenen sürüşler cihazımda kalsın.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Yüklenen sürüşler cihazımdan silinsin.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rotalar</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>ZeqShare’deki rotalar cihazınızla otomatik olarak senkronize edilir.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>ZeqShare senkronizasyonu</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Lütfen wendoAgent’ı güncelleyin</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>WendoAgent güncellemesi (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Sürüm notları</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Sonra</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Web sayfası açılamadı. Lütfen bir web tarayıcısının yüklü olduğunu kontrol edin.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Form penceresi</translation>
    </message>
</context>
<context>
    <name>ZeqAgentMainDialog</name>
    <message>
        <source> WendoAgent </source>
        <translation> WendoAgent </translation>
    </message>
</context>
</TS>
