<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Copyright (C) Zavro. All rights reserved.</source>
        <translation>Copyright (C) Zavro. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Music database powered by ACRcloud</source>
        <translation>Banco de dados musical da ACRcloud</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Site:</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spainsh</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Português (BR)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Fix:</source>
        <translation>Corrigir:</translation>
    </message>
    <message>
        <source>Songs Without Album Artwork</source>
        <translation>Músicas sem capa do álbum</translation>
    </message>
    <message>
        <source>Songs Without Artist</source>
        <translation>Músicas sem artista</translation>
    </message>
    <message>
        <source>Songs Without Album</source>
        <translation>Músicas sem álbum</translation>
    </message>
    <message>
        <source>Songs Without Original Files</source>
        <translation>Músicas sem arquivo original</translation>
    </message>
    <message>
        <source>Replace original songs meta</source>
        <translation>Substituir os metadados originais</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gênero</translation>
    </message>
    <message>
        <source>     Replace original songs meta with the new information from our server.
     This will help to modify wrong songs meta, and also overwrite some
     personal customized records.</source>
        <translation>     Substitui os metadados originais pelas novas informações
     do nosso servidor. Isso corrige metadados errados, mas
     também sobrescreve alguns registros personalizados.</translation>
    </message>
</context>
<context>
    <name>CMessgboxEx</name>
    <message>
        <source>Are you sure you want to remove the duplicates?
</source>
        <translation>Tem certeza de que deseja remover as duplicatas?
</translation>
    </message>
    <message>
        <source>Don&apos;t show it again.</source>
        <translation>Não mostrar novamente.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CNetWidget</name>
    <message>
        <source>Proxy type:</source>
        <translation>Tipo de proxy:</translation>
    </message>
    <message>
        <source>Proxy host:</source>
        <translation>Host do proxy:</translation>
    </message>
    <message>
        <source>Proxy port:</source>
        <translation>Porta do proxy:</translation>
    </message>
    <message>
        <source>Proxy name:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Proxy password:</source>
        <translation>Senha:</translation>
    </message>
</context>
<context>
    <name>COption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
</context>
<context>
    <name>CTreeItemTool</name>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Cancel Skip</source>
        <translation>Não ignorar</translation>
    </message>
</context>
<context>
    <name>CUpdateWidget</name>
    <message>
        <source>Enable automatic update check.</source>
        <translation>Verificar atualizações automaticamente.</translation>
    </message>
    <message>
        <source>Update every day</source>
        <translation>Verificar todo dia</translation>
    </message>
    <message>
        <source>Update every week</source>
        <translation>Verificar toda semana</translation>
    </message>
    <message>
        <source>Update every month</source>
        <translation>Verificar todo mês</translation>
    </message>
    <message>
        <source>Number of days between update checks (At least 1 days)</source>
        <translation>Dias entre verificações (mínimo 1)</translation>
    </message>
</context>
<context>
    <name>CWarnMessage</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tidewell</source>
        <translation>Tidewell</translation>
    </message>
    <message>
        <source>Tidewell %1</source>
        <translation>Tidewell %1</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>%1.%2.%3 (Build %4)</source>
        <translation>%1.%2.%3 (compilação %4)</translation>
    </message>
</context>
<context>
    <name>WhatsNew</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
</context>
</TS>
