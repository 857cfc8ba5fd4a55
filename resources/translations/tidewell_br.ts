<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translatorcomment>For the whole file: it is marked language=&quot;pt_PT&quot;, not pt_BR, on purpose; keep it so. Qt gives pt_BR the French plural rule, under which zero takes the singular (&quot;0 música corrigida&quot;); under the pt_PT rule zero takes the plural (&quot;0 músicas corrigidas&quot;), as Brazilian Portuguese writes it. So every text with a count has two forms: the first for 1, the second for every other number, 0 included.</translatorcomment>
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
    <name>CAnalyReport</name>
    <message>
        <source>Unrecognized Songs</source>
        <translation>Músicas não reconhecidas</translation>
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
        <source>Song title</source>
        <translation>Título da música</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duração</translation>
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
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Parabéns, sua biblioteca de músicas está 100% organizada!</translation>
    </message>
</context>
<context>
    <name>CBugReport</name>
    <message>
        <source>BugReport</source>
        <translation>Relatório de erro</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Seu nome:</translation>
    </message>
    <message>
        <source>~description here!</source>
        <translation>Descreva o problema aqui.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid e-mail, please enter a correct one.</source>
        <translation>E-mail inválido, digite um endereço correto.</translation>
    </message>
    <message>
        <source>The report includes the program&apos;s logs, its settings and your whole iTunes library file.</source>
        <translation>O relatório inclui os registros do programa, as configurações dele e todo o seu arquivo de biblioteca do iTunes.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
</context>
<context>
    <name>CBugReportSender</name>
    <message>
        <source>Bug Report</source>
        <translation>Relatório de erros</translation>
    </message>
    <message>
        <source>Please attach this file to an email to %1:
%2</source>
        <translation>Anexe este arquivo a um e-mail para %1:
%2</translation>
    </message>
    <message>
        <source>The report&apos;s files could not be packed. Send the description alone?</source>
        <translation>Não foi possível compactar os arquivos do relatório. Enviar só a descrição?</translation>
    </message>
    <message>
        <source>The bug report was sent. Thank you.</source>
        <translation>O relatório de erros foi enviado. Obrigado.</translation>
    </message>
    <message>
        <source>The bug report could not be sent.</source>
        <translation>Não foi possível enviar o relatório de erros.</translation>
    </message>
    <message numerus="yes">
        <source>%n bug report(s) could not be sent before the program closed. They are kept in this folder; please attach their files to an email to %1:
%2</source>
        <translation>
            <numerusform>%n relatório de erros não pôde ser enviado antes de o programa fechar. Ele está guardado nesta pasta; anexe os arquivos dele a um e-mail para %1:
%2</numerusform>
            <numerusform>%n relatórios de erros não puderam ser enviados antes de o programa fechar. Eles estão guardados nesta pasta; anexe os arquivos deles a um e-mail para %1:
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCountTexts</name>
    <message>
        <source>%1, %2</source>
        <comment>two clauses of one sentence</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences of one message</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>Scanned %n song(s)</source>
        <translation>
            <numerusform>%n música verificada</numerusform>
            <numerusform>%n músicas verificadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artwork.</source>
        <translation>
            <numerusform>%n sem capa.</numerusform>
            <numerusform>%n sem capa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artwork.</source>
        <translation>
            <numerusform>%n música sem capa corrigida.</numerusform>
            <numerusform>%n músicas sem capa corrigidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) not fixed.</source>
        <translation>
            <numerusform>Ainda %n sem correção.</numerusform>
            <numerusform>Ainda %n sem correção.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without artist.</source>
        <translation>
            <numerusform>%n sem artista.</numerusform>
            <numerusform>%n sem artista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without artist.</source>
        <translation>
            <numerusform>%n música sem artista corrigida.</numerusform>
            <numerusform>%n músicas sem artista corrigidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) without album.</source>
        <translation>
            <numerusform>%n sem álbum.</numerusform>
            <numerusform>%n sem álbum.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s) without album.</source>
        <translation>
            <numerusform>%n música sem álbum corrigida.</numerusform>
            <numerusform>%n músicas sem álbum corrigidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) unwritable,check them if exist in your computer.</source>
        <translation>
            <numerusform>%n sem permissão de gravação. Verifique se existe no seu computador.</numerusform>
            <numerusform>%n sem permissão de gravação. Verifique se existem no seu computador.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unwritable song(s) not fixed，please check them if exist in your computer.</source>
        <translation>
            <numerusform>%n música sem permissão de gravação não corrigida. Verifique se existe no seu computador.</numerusform>
            <numerusform>%n músicas sem permissão de gravação não corrigidas. Verifique se existem no seu computador.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n problem(s).</source>
        <translation>
            <numerusform>%n problema corrigido.</numerusform>
            <numerusform>%n problemas corrigidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n song(s) unrecognized.</source>
        <translation>
            <numerusform>Ainda %n música não reconhecida.</numerusform>
            <numerusform>Ainda %n músicas não reconhecidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Fixed %n song(s)</source>
        <translation>
            <numerusform>%n música corrigida</numerusform>
            <numerusform>%n músicas corrigidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s).</source>
        <translation>
            <numerusform>%n problema.</numerusform>
            <numerusform>%n problemas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still %n problem(s) not fixed.</source>
        <translation>
            <numerusform>Ainda %n problema sem correção.</numerusform>
            <numerusform>Ainda %n problemas sem correção.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found %n duplicate(s).</source>
        <translation>
            <numerusform>%n duplicata encontrada.</numerusform>
            <numerusform>%n duplicatas encontradas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n duplicate(s). If not sure to remove, you can undo the removal.</source>
        <translation>
            <numerusform>%n duplicata removida. Se não tiver certeza, você pode desfazer a remoção.</numerusform>
            <numerusform>%n duplicatas removidas. Se não tiver certeza, você pode desfazer a remoção.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s)</source>
        <translation>
            <numerusform>%n duplicata</numerusform>
            <numerusform>%n duplicatas</numerusform>
        </translation>
    </message>
    <message>
        <source>Tidewell will clear the duplicates removal
history that exists over %1 in %2.</source>
        <translation>O Tidewell apagará em %2 o histórico de
duplicatas removidas há mais de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <comment>history older than</comment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>cleared in</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n missing song(s) from the library.</source>
        <translation>
            <numerusform>%n música ausente foi removida da biblioteca.</numerusform>
            <numerusform>%n músicas ausentes foram removidas da biblioteca.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDesktopHandOver</name>
    <message>
        <source>No email program could be opened. Please write to:
%1</source>
        <translation>Nenhum programa de e-mail pôde ser aberto. Escreva para:
%1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Please visit:
%1</source>
        <translation>Nenhum navegador pôde ser aberto. Acesse:
%1</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Nenhum gerenciador de arquivos pôde ser aberto. A pasta é:
%1</translation>
    </message>
</context>
<context>
    <name>CDuplicate</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>    Remove File</source>
        <translation>    Remover arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all files?</source>
        <translation>Tem certeza de que deseja remover todos os arquivos?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restore music failed</source>
        <translation>Falha ao restaurar as músicas</translation>
    </message>
    <message>
        <source>Undo remove failed. No remove history found
in the Zavro_Recycle Bin.</source>
        <translation>Falha ao desfazer. Nenhum histórico de remoção
em Zavro_Recycle Bin.</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The song could not be restored. It is still in the recycle folder:
%1</source>
        <translation>Não foi possível restaurar a música. Ela continua na pasta de reciclagem:
%1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>The song&apos;s entry could not be given back to the library. Its file is in place and stays in the library through another entry:
%1</source>
        <translation>Não foi possível devolver a entrada da música à biblioteca. O arquivo está no lugar e continua na biblioteca por meio de outra entrada:
%1</translation>
    </message>
    <message>
        <source>The removal could not be saved in the working database:
%1
The removed copies are in the recycle folder. Click Remove to save it.</source>
        <translation>Não foi possível salvar a remoção no banco de dados de trabalho:
%1
As cópias removidas estão na pasta de reciclagem. Salve com Remover.</translation>
    </message>
    <message>
        <source>Remove music failed</source>
        <translation>Falha ao remover</translation>
    </message>
</context>
<context>
    <name>CDuplicateWidget</name>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Please choose one scanning
mode to search duplicates.</source>
        <translation>Escolha um modo de verificação
para procurar duplicatas.</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Verificação rápida</translation>
    </message>
    <message>
        <source>Deep Scan</source>
        <translation>Verificação completa</translation>
    </message>
    <message>
        <source>It might take some time to
determine duplicates with acoustic
fingerprint. Please be patient.</source>
        <translation>Detectar duplicatas pela impressão
acústica pode levar algum tempo.
Tenha paciência.</translation>
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
        <source>File size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Match Degree: </source>
        <translation>Semelhança: </translation>
    </message>
    <message>
        <source>   Show Remove History</source>
        <translation>   Ver histórico</translation>
    </message>
</context>
<context>
    <name>CDuptOptWidget</name>
    <message>
        <source>    Name</source>
        <translation>    Nome</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Scan iTunes</source>
        <translation>Verificar o iTunes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Abrir arquivos e pastas</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Arquivos de música(%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>CFailedTreeWidget</name>
    <message>
        <source>Check All</source>
        <translation>Marcar tudo</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message>
        <source>Check selected</source>
        <translation>Marcar selecionados</translation>
    </message>
    <message>
        <source>Uncheck selected</source>
        <translation>Desmarcar selecionados</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
</context>
<context>
    <name>CGeneralWidget</name>
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
    <name>CHistoryOptWidget</name>
    <message>
        <source>Automatically clear the duplicates removal history that exists over</source>
        <translation>Apagar automaticamente o histórico com mais de</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>day(s).</source>
        <comment>after the number of days</comment>
        <translation>
            <numerusform>dia.</numerusform>
            <numerusform>dias.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLabelArtwork</name>
    <message>
        <source>Playback failure!</source>
        <translation>Falha na reprodução!</translation>
    </message>
</context>
<context>
    <name>CMainUI</name>
    <message>
        <source>Music List Score: </source>
        <translation>Pontuação da lista: </translation>
    </message>
    <message>
        <source>Scanning Library: </source>
        <translation>Verificando a biblioteca: </translation>
    </message>
    <message>
        <source>Refix</source>
        <translation>Corrigir de novo</translation>
    </message>
    <message>
        <source>You can </source>
        <translation>Você pode </translation>
    </message>
    <message>
        <source>Apply Result</source>
        <translation>aplicar o resultado</translation>
    </message>
    <message>
        <source> now, or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>salvar o projeto</translation>
    </message>
    <message>
        <source> to continue next time.</source>
        <translation> e continuar depois.</translation>
    </message>
    <message>
        <source>   Pause</source>
        <translation>   Pausar</translation>
    </message>
    <message>
        <source>   Fix All</source>
        <translation>   Corrigir tudo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>  Try Again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>   Scan</source>
        <translation>   Verificar</translation>
    </message>
    <message>
        <source>   Remove</source>
        <translation>   Remover</translation>
    </message>
    <message>
        <source>  Home</source>
        <translation>  Início</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Bem-vindo!</translation>
    </message>
    <message>
        <source>Tidewell is the only tool you need to tidy your music library!</source>
        <translation>Tidewell é tudo de que você precisa para organizar sua biblioteca de músicas!</translation>
    </message>
    <message>
        <source>Library Music</source>
        <translation>Músicas da biblioteca</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>EULA</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Relatar um erro</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Let Tidewell help you clean-up duplicate songs in your music library!</source>
        <translation>Deixe o Tidewell limpar as músicas duplicadas da sua biblioteca!</translation>
    </message>
    <message>
        <source>Drag-and-drop or Add music files or folder(s) to find duplicates.</source>
        <translation>Arraste ou adicione arquivos/pastas para achar duplicatas.</translation>
    </message>
    <message>
        <source>   Continue</source>
        <translation>   Continuar</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and explore the world of music?</source>
        <translation>Pausado. Vamos continuar e explorar o mundo da música?</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Carregando, aguarde...</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>Analyzing Library: </source>
        <translation>Analisando a biblioteca: </translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Pausado.</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album Artwork: %1</source>
        <translation>Corrigindo músicas sem capa: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Album: %1</source>
        <translation>Corrigindo músicas sem álbum: %1</translation>
    </message>
    <message>
        <source>Fixing Songs Without Artist: %1</source>
        <translation>Corrigindo músicas sem artista: %1</translation>
    </message>
    <message>
        <source>Fixing unrecognized song: %1</source>
        <translation>Corrigindo música não reconhecida: %1</translation>
    </message>
    <message>
        <source>Continue to fix, please wait a moment.</source>
        <translation>Continuando a correção, aguarde um momento.</translation>
    </message>
    <message>
        <source>Paused. Wanna continue and experience a new library?</source>
        <translation>Pausado. Vamos continuar e conhecer uma biblioteca nova?</translation>
    </message>
    <message>
        <source>Applying the results, please wait a moment.</source>
        <translation>Aplicando os resultados, aguarde um momento.</translation>
    </message>
    <message>
        <source>Removing duplicates music, please wait...</source>
        <translation>Removendo duplicatas, aguarde...</translation>
    </message>
    <message>
        <source>Continue to apply the results,please wait a moment.</source>
        <translation>Continuando a aplicar os resultados, aguarde um momento.</translation>
    </message>
    <message>
        <source>Uh, mess library. It is urgent to clean up your music now. Let&apos;s start.</source>
        <translation>Nossa, que bagunça. É urgente organizar suas músicas. Vamos começar.</translation>
    </message>
    <message>
        <source>Dear, how mess your library is. May I help you clean up it?</source>
        <translation>Puxa, que bagunça na sua biblioteca. Posso ajudar a organizá-la?</translation>
    </message>
    <message>
        <source>Oops, music library in chaos! Go ahead to clean up them now.</source>
        <translation>Ops, biblioteca de músicas um caos! Organize agora mesmo.</translation>
    </message>
    <message>
        <source>It looks OK. But the library looks incomplete. Why not Fix All and perfect them?</source>
        <translation>Parece bom, mas a biblioteca está incompleta. Que tal corrigir tudo e deixá-la perfeita?</translation>
    </message>
    <message>
        <source>Looks OK but you&apos;d better clean up your library soon. Why not let me help you, darling?</source>
        <translation>Parece bom, mas é melhor organizar sua biblioteca logo. Deixa eu ajudar, querido?</translation>
    </message>
    <message>
        <source>Oh, dear, just slow down and take care of your lovely songs. They need your attention.</source>
        <translation>Calma, vá devagar e cuide das suas músicas queridas. Elas precisam da sua atenção.</translation>
    </message>
    <message>
        <source>Nice library list. Take a little time will make it more charming. Go to Fix All.</source>
        <translation>Bela biblioteca. Com um pouco de tempo ela fica ainda melhor. Corrija tudo.</translation>
    </message>
    <message>
        <source>How considerate you are. I can not wait to listen to them any more.</source>
        <translation>Quanto cuidado! Mal posso esperar para ouvi-las.</translation>
    </message>
    <message>
        <source>I can&apos;t believe!  You get such a good result. Wanna break the record?</source>
        <translation>Não acredito!  Que ótimo resultado. Vamos bater o recorde?</translation>
    </message>
    <message>
        <source>Almost perfect. Only one click will organize them well. Just go!</source>
        <translation>Quase perfeito. Um clique basta para organizar tudo. Vamos lá!</translation>
    </message>
    <message>
        <source>You won&apos;t believe me. Few songs are incomplete. Just one click will recover them.</source>
        <translation>Você não vai acreditar: poucas músicas estão incompletas. Um clique as recupera.</translation>
    </message>
    <message>
        <source>Aha, excellent. But I have the magic power to make it better. Wanna experience?</source>
        <translation>Aha, excelente. Mas tenho o poder mágico de deixar ainda melhor. Quer experimentar?</translation>
    </message>
    <message>
        <source>Congrats! Your library looks great now. You can apply all the results now.</source>
        <translation>Parabéns! Sua biblioteca está ótima. Agora você pode aplicar todos os resultados.</translation>
    </message>
    <message>
        <source>Relax now. Let me take you to start a great music feast.</source>
        <translation>Relaxe. Vamos começar uma grande festa musical.</translation>
    </message>
    <message>
        <source>Well done. You have defeated most of other computers. Just enjoy your music now.</source>
        <translation>Muito bem. Você superou a maioria dos outros computadores. Aproveite suas músicas.</translation>
    </message>
    <message>
        <source>Results applyed.</source>
        <translation>Resultados aplicados.</translation>
    </message>
    <message>
        <source>Results applyed. You can try fix again.</source>
        <translation>Resultados aplicados. Você pode tentar corrigir de novo.</translation>
    </message>
    <message>
        <source>Congratulations, your music library is 100% cleaned!</source>
        <translation>Parabéns, sua biblioteca de músicas está 100% organizada!</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Hah, no duplicaites on your PC. Satisfied?</source>
        <translation>Rá, nenhuma duplicata no seu PC. Satisfeito?</translation>
    </message>
    <message>
        <source>Huh! I&apos;m having a day off--no duplicates found today.</source>
        <translation>Opa! Hoje estou de folga: nenhuma duplicata encontrada.</translation>
    </message>
    <message>
        <source>We&apos;re double checked everything. You&apos;re clear now.</source>
        <translation>Verificamos tudo duas vezes. Está tudo limpo.</translation>
    </message>
    <message>
        <source>You won&apos;t believe me, but there are no duplicates on your PC.</source>
        <translation>Você não vai acreditar, mas não há duplicatas no seu PC.</translation>
    </message>
    <message>
        <source>Wow. It looks like someone knew I&apos;ll scan all files and cleaned them up in advance.</source>
        <translation>Uau. Parece que alguém sabia que eu ia verificar tudo e arrumou antes.</translation>
    </message>
    <message>
        <source>Unbelievable! No unrecognized songs or duplicates found!</source>
        <translation>Inacreditável! Nenhuma música não reconhecida ou duplicata!</translation>
    </message>
    <message>
        <source>Hah, nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Rá, nada encontrado. Você deve estar brincando de &quot;esconde-esconde&quot; comigo.</translation>
    </message>
    <message>
        <source>No songs detected in iTunes. Please check and try again.</source>
        <translation>Nenhuma música encontrada no iTunes. Verifique e tente novamente.</translation>
    </message>
    <message>
        <source>No music files found. Please go back and try again.</source>
        <translation>Nenhum arquivo de música encontrado. Volte e tente novamente.</translation>
    </message>
    <message>
        <source>Invalid project file. Please go back and try again.</source>
        <translation>Arquivo de projeto inválido. Volte e tente novamente.</translation>
    </message>
    <message>
        <source>Congratulations! Duplicates has been removed successfully.</source>
        <translation>Parabéns! As duplicatas foram removidas com sucesso.</translation>
    </message>
    <message>
        <source>Some duplicates could not be moved. Click Remove to try again.</source>
        <translation>Algumas duplicatas não foram movidas. Tente de novo com Remover.</translation>
    </message>
    <message>
        <source>Duplicates found. Let me help you remove them and keep your library clean.</source>
        <translation>Duplicatas encontradas. Deixe-me ajudar a removê-las e manter sua biblioteca limpa.</translation>
    </message>
    <message>
        <source>Dear, why not let me help you clean up duplicates immediately?</source>
        <translation>Que tal me deixar limpar as duplicatas agora mesmo?</translation>
    </message>
    <message>
        <source>Duplicates appeared. Wanna tidy them and make your library clean?</source>
        <translation>Apareceram duplicatas. Vamos arrumar e deixar sua biblioteca limpa?</translation>
    </message>
    <message>
        <source>Duplicates found. Click Remove to clean up duplicates easily.</source>
        <translation>Duplicatas encontradas. Clique em Remover para limpá-las facilmente.</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Salvar resultado</translation>
    </message>
    <message>
        <source>The project could not be saved. Please choose another folder and try again.</source>
        <translation>Não foi possível salvar o projeto. Escolha outra pasta e tente novamente.</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Escolher XML</translation>
    </message>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Limpar o iTunes</translation>
    </message>
    <message>
        <source>Tidewell is cleaning up duplicate songs.</source>
        <translation>O Tidewell está limpando as músicas duplicadas.</translation>
    </message>
    <message>
        <source>Continue to scan music library,please wait a moment.</source>
        <translation>Continuando a verificar a biblioteca de músicas, aguarde um momento.</translation>
    </message>
    <message>
        <source>Do you want to apply new results?</source>
        <translation>Deseja aplicar os novos resultados?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Oops! An error occurred in loading iTunes
library. Please set in iTunes: Preference&gt;
Advance&gt;Share iTunes Library XML with other
application,and Click Try Again to continue.</source>
        <translation>Ops! Não foi possível ler o arquivo da biblioteca
do iTunes. Verifique se é um arquivo de biblioteca
do iTunes válido e clique em Repetir.</translation>
    </message>
    <message>
        <source>Scanning music, please wait a moment...</source>
        <translation>Verificando as músicas, aguarde um momento...</translation>
    </message>
    <message>
        <source>Preparing report, please wait a moment...</source>
        <translation>Preparando o relatório, aguarde um momento...</translation>
    </message>
    <message>
        <source>Unbelievable, no music files found! Wanna try again?</source>
        <translation>Inacreditável, nenhum arquivo de música encontrado! Tentar de novo?</translation>
    </message>
    <message>
        <source>Hah,nothing found. You must be playing &quot;hide-and-seek&quot; with me.</source>
        <translation>Rá, nada encontrado. Você deve estar brincando de &quot;esconde-esconde&quot; comigo.</translation>
    </message>
    <message>
        <source>Congratulations, music library cleaning finished!</source>
        <translation>Parabéns, a limpeza da biblioteca foi concluída!</translation>
    </message>
    <message>
        <source>Processing failed songs list, please wait...</source>
        <translation>Processando a lista de músicas com falha, aguarde...</translation>
    </message>
    <message>
        <source>Are you sure you want to replace songs meta
and apply the result?</source>
        <translation>Tem certeza de que deseja substituir os metadados
e aplicar o resultado?</translation>
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
        <source>Are you sure you want to back to Home?</source>
        <translation>Tem certeza de que deseja voltar ao início?</translation>
    </message>
    <message>
        <source>Are you sure you want to back to Home? If back, the scanning results will not be saved.</source>
        <translation>Tem certeza de que deseja voltar ao início? Se voltar, os resultados da verificação não serão salvos.</translation>
    </message>
    <message>
        <source>Save Project</source>
        <comment>menu entry</comment>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>No song could be fixed this time. You can edit the songs yourself or try fix again.</source>
        <translation>Desta vez nenhuma música pôde ser corrigida. Você pode editar as músicas por conta própria ou tentar corrigir novamente.</translation>
    </message>
    <message>
        <source>No music files found in the folders and files you added. Please add others and try again.</source>
        <translation>Nenhum arquivo de música encontrado nas pastas e arquivos adicionados. Adicione outros e tente novamente.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The recognition service could not be reached. Please check your internet connection and try fix again.</source>
        <translation>Não foi possível acessar o serviço de reconhecimento. Verifique sua conexão com a internet e tente corrigir novamente.</translation>
    </message>
    <message>
        <source>Some songs could not be fixed this time. You can edit them yourself or try fix again.</source>
        <translation>Desta vez algumas músicas não puderam ser corrigidas. Você pode editá-las ou tentar corrigir novamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved to the recycle folder:
%1
Click Remove to try again.</source>
        <translation>
            <numerusform>Não foi possível mover %n duplicata para a pasta de reciclagem:
%1
Clique em Remover para tentar novamente.</numerusform>
            <numerusform>Não foi possível mover %n duplicatas para a pasta de reciclagem:
%1
Clique em Remover para tentar novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to scan yet. Add music files or folders, or drop them here, then click Scan.</source>
        <translation>Ainda não há nada para verificar. Adicione arquivos ou pastas de música, ou solte-os aqui, e depois clique em Verificar.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) could not be moved. Click Remove to try again.</source>
        <translation>
            <numerusform>Não foi possível mover %n duplicata. Tente de novo com Remover.</numerusform>
            <numerusform>Não foi possível mover %n duplicatas. Tente de novo com Remover.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) could not be written: %1.</source>
        <translation>
            <numerusform>Não foi possível gravar %n música: %1.</numerusform>
            <numerusform>Não foi possível gravar %n músicas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) were written to their files, but the library file could not be saved: %1.</source>
        <translation>
            <numerusform>%n música foi gravada no seu arquivo, mas não foi possível salvar o arquivo de biblioteca: %1.</numerusform>
            <numerusform>%n músicas foram gravadas nos seus arquivos, mas não foi possível salvar o arquivo de biblioteca: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n song(s) whose file is missing could not be removed from the library: %1.</source>
        <translation>
            <numerusform>Não foi possível remover da biblioteca %n música cujo arquivo está ausente: %1.</numerusform>
            <numerusform>Não foi possível remover da biblioteca %n músicas cujos arquivos estão ausentes: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The working database could not be saved: %1.</source>
        <translation>Não foi possível salvar o banco de dados de trabalho: %1.</translation>
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
    <name>CModifyMusicInfo</name>
    <message>
        <source>Orginal Tag</source>
        <translation>Tag original</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>Nova tag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Gênero:</translation>
    </message>
    <message>
        <source>Please, music title cannot be empty.</source>
        <translation>O título da música não pode ficar vazio.</translation>
    </message>
    <message>
        <source>Sorry, the file you dragged-in is not a valid
image file.</source>
        <translation>Desculpe, o arquivo arrastado não é uma
imagem válida.</translation>
    </message>
    <message>
        <source>Sorry, the changes to this song could not be saved.</source>
        <translation>Desculpe, não foi possível salvar as alterações desta música.</translation>
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
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Http</source>
        <translation>HTTP</translation>
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
    <name>CRangeValidator</name>
    <message>
        <source>Enter a number from %1 to %2.</source>
        <translation>Digite um número de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>%1 is already running. Please use its open window.</source>
        <translation>O %1 já está em execução. Use a janela que já está aberta.</translation>
    </message>
</context>
<context>
    <name>CStartUI</name>
    <message>
        <source>Start to Clean iTunes</source>
        <translation>Limpar o iTunes</translation>
    </message>
    <message>
        <source>Open Music Files</source>
        <translation>Abrir músicas</translation>
    </message>
    <message>
        <source>Load Saved Result</source>
        <translation>Abrir resultado salvo</translation>
    </message>
    <message>
        <source>Clean-up Duplicates</source>
        <translation>Limpar duplicatas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Last fixing project was interrupted
unexpectedly. Do you want to continue it?</source>
        <translation>A última correção foi interrompida
inesperadamente. Deseja continuá-la?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Library.xml</source>
        <translation>Abrir Library.xml</translation>
    </message>
    <message>
        <source>Open Files And Folders</source>
        <translation>Abrir arquivos e pastas</translation>
    </message>
    <message>
        <source>Music Files(%1)</source>
        <translation>Arquivos de música(%1)</translation>
    </message>
    <message>
        <source>Open Result File</source>
        <translation>Abrir arquivo de resultado</translation>
    </message>
    <message>
        <source>Select Library XML File</source>
        <translation>Escolher XML</translation>
    </message>
    <message>
        <source>Recycle folder</source>
        <translation>Pasta de reciclagem</translation>
    </message>
    <message>
        <source>Tidewell was ended while it moved songs into or out of the recycle folder. The copies it moved remain there:
%1</source>
        <translation>O Tidewell foi encerrado enquanto movia músicas para a pasta de reciclagem ou dela. As cópias movidas continuam lá:
%1</translation>
    </message>
</context>
<context>
    <name>CTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
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
    <name>CUpdateCheck</name>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

Would you like to update the product?</source>
        <translation>Nova versão do %1 encontrada! 
Versão atual: %2
Nova versão: %3

Deseja atualizar o produto?</translation>
    </message>
    <message>
        <source>You are using the newest version.</source>
        <translation>Você está usando a versão mais recente.</translation>
    </message>
    <message>
        <source>Failed to find product record.</source>
        <translation>Registro do produto não encontrado.</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check the validity of the proxy.</source>
        <translation>Falha ao conectar ao servidor. 
Verifique as configurações do proxy.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Failed to connect the server. 
Please check your network connection.</source>
        <translation>Falha ao conectar ao servidor. 
Verifique sua conexão de rede.</translation>
    </message>
    <message>
        <source>A new version of %1 found! 
Current version: %2
New version: %3

The update server gave no web address to download it from.</source>
        <translation>Nova versão do %1 encontrada! 
Versão atual: %2
Nova versão: %3

O servidor de atualização não informou um endereço web para baixá-la.</translation>
    </message>
    <message>
        <source>The update server did not send the update information (HTTP status %1).</source>
        <translation>O servidor de atualização não enviou as informações de atualização (status HTTP %1).</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read as update information.</source>
        <translation>Não foi possível ler a resposta do servidor de atualização como informações de atualização.</translation>
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
    <name>FileDialogs</name>
    <message>
        <source>files (*.zavrodata)</source>
        <translation>Arquivos de projeto (*.zavrodata)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Bug sending failed. Would you like to send the bug via email manually?</source>
        <translation>Falha ao enviar o relatório. Deseja enviá-lo manualmente por e-mail?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unknown %1</source>
        <translation>%1 desconhecido</translation>
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
