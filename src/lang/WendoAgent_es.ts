<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Product version</source>
        <translation>Versión del producto</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Fecha de publicación</translation>
    </message>
    <message>
        <source>WendoAgent keeps your Wendo cycling computer in step with your rides online.</source>
        <translation>WendoAgent mantiene tu ciclocomputador Wendo sincronizado con tus actividades en línea.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AgentSettings</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Your settings could not be saved, the disk may be full. The settings saved before are kept.</source>
        <translation>No se ha podido guardar la configuración; puede que el disco esté lleno. Se mantiene la configuración guardada anteriormente.</translation>
    </message>
</context>
<context>
    <name>BacukupRestoreDailog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Configuración básica</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>CheckWendoAgentUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Checking for update</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>DevSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Última conexión</translation>
    </message>
    <message>
        <source>UUID:</source>
        <translation>UUID:</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrado el</translation>
    </message>
    <message>
        <source>Deregister</source>
        <translation>Dar de baja</translation>
    </message>
</context>
<context>
    <name>InstallUpdateDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>It may take a while ,please wait and don&apos;t disconnect your device</source>
        <translation>Puede tardar un poco. Espera y no desconectes el dispositivo.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>Device Update</source>
        <translation>Actualización del dispositivo</translation>
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
        <translation>Actualización del mapa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>TA Map update (1.1.1.1)</source>
        <translation>Actualización del mapa TA (1.1.1.1)</translation>
    </message>
</context>
<context>
    <name>Login_fbWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;Forgot password?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#forgot&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;¿Has olvidado la contraseña?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>El correo electrónico o la contraseña no son correctos. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>By clicking the button ,you agree to the &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;term of use &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; privacy policy &lt;/a&gt;</source>
        <translation>Al hacer clic en el botón, aceptas las &lt;a href=&quot;https://www.zeqshare.example/tos&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt;condiciones de uso &lt;/a&gt;&amp;amp;&lt;a href=&quot;https://www.zeqshare.example/policies&quot; style=&quot;color:#e76d25;text-decoration:none&quot;&gt; la política de privacidad&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please enter a vaild e-mail address.</source>
        <translation>Introduce una dirección de correo electrónico válida.</translation>
    </message>
</context>
<context>
    <name>MapManagementWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>MapUpgragePremiumWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Germany,Austria &amp; Switzerland</source>
        <translation>Alemania, Austria y Suiza</translation>
    </message>
    <message>
        <source>Upgrade current map or plus permium service with special offer</source>
        <translation>Mejora el mapa actual o añade el servicio Premium con una oferta especial</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Upgrage</source>
        <translation>Mejorar</translation>
    </message>
    <message>
        <source>[Update available]</source>
        <translation>[Actualización disponible]</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>OSM Date code</source>
        <translation>Fecha de datos OSM</translation>
    </message>
    <message>
        <source>TA Date code</source>
        <translation>Fecha de datos TA</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved map data.</source>
        <translation>El mapa OSM incluye datos de caminos asfaltados y sin asfaltar.</translation>
    </message>
    <message>
        <source>TA map provides map data with address.</source>
        <translation>El mapa TA incluye datos de mapa con direcciones.</translation>
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
        <translation>Registro</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
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
        <translation>Ver mis datos</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronización con ZeqShare</translation>
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
        <translation>Versión de ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versión de software</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>[The software of device is up-to-date]</source>
        <translation>[El software del dispositivo está actualizado]</translation>
    </message>
    <message>
        <source>Release note</source>
        <translation>Notas de la versión</translation>
    </message>
</context>
<context>
    <name>MyDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>NewUpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>．Device update</source>
        <translation>．Actualización del dispositivo</translation>
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
        <translation>．Actualización del mapa OSM (1.1.1.1)</translation>
    </message>
    <message>
        <source>．TA Map update(1.1.1.1)</source>
        <translation>．Actualización del mapa TA (1.1.1.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Backup my device before update</source>
        <translation>Hacer copia de seguridad antes de actualizar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>New update available</source>
        <translation>Nueva actualización disponible</translation>
    </message>
</context>
<context>
    <name>NoDeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to connect to the QuorvaneShare Server. Please check your internet connection.</source>
        <translation>No se ha podido conectar con el servidor de QuorvaneShare. Comprueba tu conexión a Internet.</translation>
    </message>
    <message>
        <source>Failed to connect to the ZeqShare Server. Please check your internet connection.</source>
        <translation>No se ha podido conectar con el servidor de ZeqShare. Comprueba tu conexión a Internet.</translation>
    </message>
    <message>
        <source>Internet connection</source>
        <translation>Conexión a Internet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>About WendoAgent</source>
        <translation>Acerca de WendoAgent</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>The e-mail address and the password are incorrect. Please try again.</source>
        <translation>El correo electrónico o la contraseña no son correctos. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>Open WendoAgent</source>
        <translation>Abrir WendoAgent</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Comprobar versión</translation>
    </message>
    <message>
        <source>Launch QuorvaneShare website</source>
        <translation>Abrir el sitio web de QuorvaneShare</translation>
    </message>
    <message>
        <source>Launch ZeqShare website</source>
        <translation>Abrir el sitio web de ZeqShare</translation>
    </message>
    <message>
        <source>Exit WendoAgent</source>
        <translation>Salir de WendoAgent</translation>
    </message>
    <message>
        <source>Run at Startup</source>
        <translation>Ejecutar al iniciar</translation>
    </message>
    <message>
        <source>All data has been uploaded to QuorvaneShare successfully.</source>
        <translation>Todos los datos se han subido correctamente a QuorvaneShare.</translation>
    </message>
    <message>
        <source>All data has been uploaded to ZeqShare successfully.</source>
        <translation>Todos los datos se han subido correctamente a ZeqShare.</translation>
    </message>
    <message>
        <source>Click here to check</source>
        <translation>Haz clic aquí para verlos</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>New update available. Click here for more information.</source>
        <translation>Hay una nueva actualización disponible. Haz clic aquí para obtener más información.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauración</translation>
    </message>
    <message>
        <source>Back up in progress... Please do not disconnect your device.</source>
        <translation>Copia de seguridad en curso... No desconectes el dispositivo.</translation>
    </message>
    <message>
        <source>Restoring... Please do not disconnect your device.</source>
        <translation>Restaurando... No desconectes el dispositivo.</translation>
    </message>
    <message>
        <source>Device backup</source>
        <translation>Copia de seguridad del dispositivo</translation>
    </message>
    <message>
        <source>Device restore</source>
        <translation>Restauración del dispositivo</translation>
    </message>
    <message>
        <source>Backup completed successfully</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Error en la copia de seguridad. Comprueba que tu %1 sigue conectado al ordenador. Si el problema persiste, ponte en contacto con el servicio de asistencia de Zeq.</translation>
    </message>
    <message>
        <source>Restored successfully</source>
        <translation>Restauración completada</translation>
    </message>
    <message>
        <source>Restore failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Error en la restauración. Comprueba que tu %1 sigue conectado al ordenador. Si el problema persiste, ponte en contacto con el servicio de asistencia de Zeq.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>is connected</source>
        <translation>está conectado</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with QuorvaneShare.</source>
        <translation>Este dispositivo no está registrado. Regístralo para sincronizar tu historial y tus rutas con QuorvaneShare.</translation>
    </message>
    <message>
        <source>This device has not been registered. Please register your device to get your History and Tracks synchronised with ZeqShare.</source>
        <translation>Este dispositivo no está registrado. Regístralo para sincronizar tu historial y tus rutas con ZeqShare.</translation>
    </message>
    <message>
        <source>The connected device is not linked to the current account, but you can still use the update function.</source>
        <translation>El dispositivo conectado no está vinculado a esta cuenta, pero puedes actualizarlo igualmente.</translation>
    </message>
    <message>
        <source>Back up your Wendo data</source>
        <translation>Haz una copia de seguridad de tus datos Wendo</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Última copia de seguridad</translation>
    </message>
    <message>
        <source>View my data</source>
        <translation>Ver mis datos</translation>
    </message>
    <message>
        <source>Sync again</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>%1 history items uploading</source>
        <translation>Subiendo actividades: %1</translation>
    </message>
    <message>
        <source>%1 tracks downloading</source>
        <translation>Descargando rutas: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Not enough memory space on your device.</source>
        <translation>No hay suficiente memoria en el dispositivo.</translation>
    </message>
    <message>
        <source>The synchronisation is not complete. Please delete some history or track items to free up memory space.</source>
        <translation>La sincronización no se ha completado. Elimina algunas actividades o rutas para liberar memoria.</translation>
    </message>
    <message>
        <source>The computer&apos;s disk is full. Free some space and try again.</source>
        <translation>El disco del ordenador está lleno. Libera espacio e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Data Corruption</source>
        <translation>Datos dañados</translation>
    </message>
    <message>
        <source>Delete the corrupted History</source>
        <translation>Elimina la actividad dañada</translation>
    </message>
    <message>
        <source>Failed to process this recording as your device contains some invalid information. To avoid this message, remove this file from your device.</source>
        <translation>No se ha podido procesar esta grabación porque el dispositivo contiene información no válida. Para que no vuelva a aparecer este mensaje, elimina el archivo del dispositivo.</translation>
    </message>
    <message>
        <source>QuorvaneShare synchronisation</source>
        <translation>Sincronización con QuorvaneShare</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronización con ZeqShare</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to QuorvaneShare.</source>
        <translation>No se han podido subir algunos datos a QuorvaneShare.</translation>
    </message>
    <message>
        <source>Some data cannot be uploaded to ZeqShare.</source>
        <translation>No se han podido subir algunos datos a ZeqShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to QuorvaneShare.</source>
        <translation>Conéctate a Internet para subir tus datos a QuorvaneShare.</translation>
    </message>
    <message>
        <source>Connect to the Internet to upload your data to ZeqShare.</source>
        <translation>Conéctate a Internet para subir tus datos a ZeqShare.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>Versión de ROM</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versión de software</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>The device&apos;s software is up-to-date.</source>
        <translation>El software del dispositivo está actualizado.</translation>
    </message>
    <message>
        <source>NO DEVICE IS CONNECTED</source>
        <translation>NO HAY NINGÚN DISPOSITIVO CONECTADO</translation>
    </message>
    <message>
        <source>Please connect your device</source>
        <translation>Conecta tu dispositivo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Recover your device</source>
        <translation>Recupera tu dispositivo</translation>
    </message>
    <message>
        <source>Cannot use your device? No worry, by clicking the Recover button, we can help you recover it.</source>
        <translation>¿No puedes usar tu dispositivo? No te preocupes: haz clic en «Recuperar» y te ayudaremos a recuperarlo.</translation>
    </message>
    <message>
        <source>Device Deregisteration</source>
        <translation>Baja del dispositivo</translation>
    </message>
    <message>
        <source>Your device is successfully deregistered.</source>
        <translation>El dispositivo se ha dado de baja correctamente.</translation>
    </message>
    <message>
        <source>Your device is not deregistered successfully yet.</source>
        <translation>No se ha podido dar de baja el dispositivo.</translation>
    </message>
    <message>
        <source>Tracks on QuorvaneShare will be automatically synchronised with your device.</source>
        <translation>Las rutas de QuorvaneShare se sincronizarán automáticamente con tu dispositivo.</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Las rutas de ZeqShare se sincronizarán automáticamente con tu dispositivo.</translation>
    </message>
    <message>
        <source>Are you sure you want to leave this page without saving new changes?</source>
        <translation>¿Seguro que quieres salir de esta página sin guardar los cambios?</translation>
    </message>
    <message>
        <source>My Device</source>
        <translation>Mi dispositivo</translation>
    </message>
    <message>
        <source>Map Management</source>
        <translation>Mapas</translation>
    </message>
    <message>
        <source>Device Registration</source>
        <translation>Registro del dispositivo</translation>
    </message>
    <message>
        <source>Your device is successfully registered.</source>
        <translation>El dispositivo se ha registrado correctamente.</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>Please disconnect your device to deregister.</source>
        <translation>Desconecta el dispositivo para darlo de baja.</translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation>Última conexión</translation>
    </message>
    <message>
        <source>Registered on</source>
        <translation>Registrado el</translation>
    </message>
    <message>
        <source>Are you sure you want to deregister your device?</source>
        <translation>¿Seguro que quieres dar de baja el dispositivo?</translation>
    </message>
    <message>
        <source>Remove my backup file if any.</source>
        <translation>Eliminar también mi copia de seguridad, si existe.</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>Update failed. Please ensure that your %1 is still connected to your computer. If this problem persists, contact Zeq support.</source>
        <translation>Error en la actualización. Comprueba que tu %1 sigue conectado al ordenador. Si el problema continúa, ponte en contacto con el servicio de asistencia de Zeq.</translation>
    </message>
    <message>
        <source>Device update</source>
        <translation>Actualización del dispositivo</translation>
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
        <translation>Actualización del mapa HERE</translation>
    </message>
    <message>
        <source>TA Map update</source>
        <translation>Actualización del mapa TA</translation>
    </message>
    <message>
        <source>OSM Map update</source>
        <translation>Actualización del mapa OSM</translation>
    </message>
    <message>
        <source>Countries Map update</source>
        <translation>Actualización de mapas de países</translation>
    </message>
    <message>
        <source>Base Map update</source>
        <translation>Actualización del mapa base</translation>
    </message>
    <message>
        <source>Map update</source>
        <translation>Actualización de mapas</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Update failed. Please check your Internet connection. Please try again.</source>
        <translation>Error en la actualización. Comprueba tu conexión a Internet e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Recover successfully.</source>
        <translation>Recuperación completada.</translation>
    </message>
    <message>
        <source>Your device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>El dispositivo debería haberse reiniciado. Si no es así, desconéctalo ahora para completar la actualización.</translation>
    </message>
    <message>
        <source>Update successfully. Device should have been restarted. If not, please disconnect the device now in order to complete the update process.</source>
        <translation>Actualización completada. El dispositivo debería haberse reiniciado. Si no es así, desconéctalo ahora para completar la actualización.</translation>
    </message>
    <message>
        <source>Insufficient memory space in %1  drive. %2  MB is required to complete the updates.</source>
        <translation>No hay suficiente espacio en la unidad %1. Se necesitan %2 MB para completar las actualizaciones.</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mejorar</translation>
    </message>
    <message>
        <source>OSM map provides paved or unpaved road data.</source>
        <translation>El mapa OSM incluye datos de carreteras asfaltadas y sin asfaltar.</translation>
    </message>
    <message>
        <source>TA map provides map data with addresses.</source>
        <translation>El mapa TA incluye datos de mapa con direcciones.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>HERE map provides map data with addresses.</source>
        <translation>El mapa HERE incluye datos de mapa con direcciones.</translation>
    </message>
    <message>
        <source>Click Premium to download new map data for a year.</source>
        <translation>Con Premium, descarga nuevos datos de mapa durante un año.</translation>
    </message>
    <message>
        <source>Premium service will be expired by</source>
        <translation>El servicio Premium caduca el</translation>
    </message>
    <message>
        <source>Upgrade the current map or purchase the premium service with special offers.</source>
        <translation>Mejora el mapa actual o compra el servicio Premium con ofertas especiales.</translation>
    </message>
    <message>
        <source>update</source>
        <translation>actualización</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versión</translation>
    </message>
</context>
<context>
    <name>RegSettingTitieWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Register info</source>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>SerialAccessMessage</name>
    <message>
        <source>Device access</source>
        <translation>Acceso al dispositivo</translation>
    </message>
    <message>
        <source>Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device cannot be shown.

Installing the WendoAgent package gives the signed-in user this port. Or add your user to the group &quot;dialout&quot; (sudo adduser $USER dialout) and sign in to the desktop again.

Then unplug the device and plug it in again.</source>
        <translation>Tu dispositivo Wendo está conectado, pero WendoAgent no puede usar su puerto %1, así que el dispositivo no se puede mostrar.

Al instalar el paquete de WendoAgent, el usuario que ha iniciado sesión obtiene acceso a este puerto. También puedes añadir tu usuario al grupo «dialout» (sudo adduser $USER dialout) y volver a iniciar sesión en el escritorio.

Después, desconecta el dispositivo y vuelve a conectarlo.</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>SyncSettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>All uploaded history will be kept on my device.</source>
        <translation>Las actividades subidas se conservarán en mi dispositivo.</translation>
    </message>
    <message>
        <source>All uploaded history will be deleted from my device.</source>
        <translation>Las actividades subidas se eliminarán de mi dispositivo.</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Rutas</translation>
    </message>
    <message>
        <source>Tracks on ZeqShare will be automatically synchronised with your device.</source>
        <translation>Las rutas de ZeqShare se sincronizarán automáticamente con tu dispositivo.</translation>
    </message>
    <message>
        <source>ZeqShare synchronisation</source>
        <translation>Sincronización con ZeqShare</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Please update wendoAgent</source>
        <translation>Actualiza wendoAgent</translation>
    </message>
    <message>
        <source>WendoAgent update(1.50.0.1)</source>
        <translation>Actualización de WendoAgent (1.50.0.1)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>The web page could not be opened. Please check that a web browser is installed.</source>
        <translation>No se ha podido abrir la página web. Comprueba que haya un navegador web instalado.</translation>
    </message>
</context>
<context>
    <name>ZeqAgentInfoWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
