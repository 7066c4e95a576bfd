<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Versão do produto</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data de lançamento</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>O WendoAgent mantém o seu ciclocomputador Wendo sincronizado com as suas voltas online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>Não foi possível guardar as definições; o disco pode estar cheio. As definições guardadas anteriormente são mantidas.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>BasicSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Definições básicas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Sair da conta</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>A procurar atualizações</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>A procurar atualizações</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Última ligação</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registado em</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Isto pode demorar algum tempo. Aguarde e não desligue o dispositivo.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>A transferir...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Atualização do dispositivo</translation>
    </message>
    <message>
        <source>ROM (1.1.1.1)</source>
        <translation>ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>Software (1.1.1.1)</source>
        <translation>Software (1.1.1.1)</translation>
    </message>
    <message>
        <source>OSM Map update(1.1.1.1)</source>
        <translation>Atualização do mapa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Atualização do mapa TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Esqueceu-se da palavra-passe?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Lembrar-me</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>O endereço de e-mail ou a palavra-passe estão incorretos. Tente novamente.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Ao clicar no botão, aceita os &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;termos de utilização &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; a política de privacidade&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Introduza um endereço de e-mail válido.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Alemanha, Áustria e Suíça</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Melhore o mapa atual ou adicione o serviço Premium com uma oferta especial</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Melhorar</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Atualização disponível]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Data dos dados OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Data dos dados TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>O mapa OSM inclui dados de estradas pavimentadas e não pavimentadas.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>O mapa TA inclui dados de mapa com moradas.</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
</context>
<context>
    <name>MyDevRegWidget</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Fazer cópia</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
</context>
<context>
    <name>MyDevShareSyncWidget</name>
    <message>
        <source>View my data</source>
        <translation>Ver os meus dados</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronização com o ZeqShare</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
</context>
<context>
    <name>MyDevVersionWidget</name>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versão da ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versão do software</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[O software do dispositivo está atualizado]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Notas de versão</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Atualização do dispositivo</translation>
    </message>
    <message>
        <source>    ROM( 1.1.1.1)</source>
        <translation>    ROM (1.1.1.1)</translation>
    </message>
    <message>
        <source>    Software(1.1.1.1)</source>
        <translation>    Software (1.1.1.1)</translation>
    </message>
    <message>
        <source>．OSM Map update(1.1.1.1)</source>
        <translation>．Atualização do mapa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Atualização do mapa TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de versão</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Fazer cópia de segurança antes de atualizar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Nova atualização disponível</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>Não foi possível ligar ao servidor QuorvaneShare. Verifique a sua ligação à Internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>Não foi possível ligar ao servidor ZeqShare. Verifique a sua ligação à Internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Ligação à Internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Guardado com êxito</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Acerca do WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Sair da conta</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>O endereço de e-mail ou a palavra-passe estão incorretos. Tente novamente.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Lembrar-me</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Abrir o WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar versão</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Abrir o site do QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Abrir o site do ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Fechar o WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Executar ao iniciar</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Todos os dados foram carregados para o QuorvaneShare com êxito.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Todos os dados foram carregados para o ZeqShare com êxito.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Clique aqui para ver</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Está disponível uma nova atualização. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Cópia de segurança</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauro</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Cópia de segurança em curso... Não desligue o dispositivo.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>A restaurar... Não desligue o dispositivo.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Cópia de segurança do dispositivo</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Restauro do dispositivo</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Cópia de segurança concluída</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>A cópia de segurança falhou. Verifique se o seu %1 continua ligado ao computador. Se o problema persistir, contacte o apoio ao cliente da Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Restauro concluído</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>O restauro falhou. Verifique se o seu %1 continua ligado ao computador. Se o problema persistir, contacte o apoio ao cliente da Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>está ligado</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registar</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Este dispositivo não está registado. Registe o dispositivo para sincronizar o seu histórico e os seus percursos com o QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Este dispositivo não está registado. Registe o dispositivo para sincronizar o seu histórico e os seus percursos com o ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>O dispositivo ligado não está associado a esta conta, mas pode atualizá-lo na mesma.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Faça uma cópia de segurança dos dados Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Última cópia de segurança</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Ver os meus dados</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sincronizar de novo</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>A carregar voltas: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>A transferir percursos: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>Memória insuficiente no dispositivo.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>A sincronização não está concluída. Elimine algumas voltas ou percursos para libertar memória.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>O disco do computador está cheio. Liberte espaço e tente novamente.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Dados danificados</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Elimine a volta danificada</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>Não foi possível processar esta gravação porque o dispositivo contém informações inválidas. Para não voltar a ver esta mensagem, remova este ficheiro do dispositivo.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sincronização com o QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronização com o ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>Não foi possível carregar alguns dados para o QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>Não foi possível carregar alguns dados para o ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Ligue-se à Internet para carregar os seus dados para o QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Ligue-se à Internet para carregar os seus dados para o ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versão da ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versão do software</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de versão</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>O software do dispositivo está atualizado.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NENHUM DISPOSITIVO LIGADO</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Ligue o seu dispositivo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Recuperar o dispositivo</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>Não consegue usar o dispositivo? Não se preocupe: clique em «Recuperar» e ajudamos a recuperá-lo.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Remoção do dispositivo</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>O dispositivo foi removido da sua conta.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>Não foi possível remover o dispositivo da sua conta.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Os percursos no QuorvaneShare serão sincronizados automaticamente com o seu dispositivo.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Os percursos no ZeqShare serão sincronizados automaticamente com o seu dispositivo.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>Tem a certeza de que pretende sair desta página sem guardar as alterações?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>O meu dispositivo</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mapas</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registo do dispositivo</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>O dispositivo foi registado com êxito.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Desligue o dispositivo para o remover da sua conta.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Última ligação</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registado em</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>Tem a certeza de que pretende remover o dispositivo da sua conta?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Eliminar também a minha cópia de segurança, se existir.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>A procurar atualizações</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>A atualização falhou. Verifique se o seu %1 ainda está ligado ao computador. Se o problema persistir, contacte o apoio da Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Atualização do dispositivo</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>HERE Map update</source>
        <translation>Atualização do mapa HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Atualização do mapa TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Atualização do mapa OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Atualização de mapas de países</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Atualização do mapa base</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Atualização de mapas</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>A instalar</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>A atualização falhou. Verifique a ligação à Internet e tente novamente.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Recuperação concluída.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>O dispositivo já deve ter reiniciado. Caso contrário, desligue-o agora para concluir a atualização.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Atualização concluída. O dispositivo já deve ter reiniciado. Caso contrário, desligue-o agora para concluir a atualização.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>Espaço insuficiente na unidade %1. São necessários %2 MB para concluir as atualizações.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Melhorar</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>Mapa OSM com estradas pavimentadas e de terra.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>O mapa TA inclui dados de mapa com moradas.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>O mapa HERE inclui dados de mapa com moradas.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Com o Premium, transfira novos dados de mapa durante um ano.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>O serviço Premium expira a</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Melhore o mapa atual ou compre o serviço Premium com ofertas especiais.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>atualização</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versão</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registo</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Acesso ao dispositivo</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>O seu dispositivo Wendo está ligado, mas o WendoAgent não pode usar a porta %1, pelo que o dispositivo não pode ser apresentado.

Ao instalar o pacote WendoAgent, o utilizador com sessão iniciada recebe acesso a esta porta. Em alternativa, adicione o seu utilizador ao grupo «dialout» (sudo adduser $USER dialout) e volte a iniciar sessão no ambiente de trabalho.

Depois, desligue o dispositivo e volte a ligá-lo.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>As voltas carregadas ficam no meu dispositivo.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>As voltas carregadas são eliminadas do meu dispositivo.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Percursos</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Os percursos no ZeqShare serão sincronizados automaticamente com o seu dispositivo.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronização com o ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Atualize o wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Atualização do WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de versão</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>Não foi possível abrir a página web. Verifique se está instalado um navegador de Internet.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
